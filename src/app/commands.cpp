// Help, web and the maker's details. Both open through the desktop's own
// associations; neither reports the desktop's failure to open something.
#include <QDesktopServices>
#include <QUrl>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/web_address.h"

namespace vpa {

void MainWindow::OpenHelp() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(folder_ + "/Pellavert.htm"));
}

void MainWindow::OpenWebSite() {
  std::optional<std::string> address = WebAddressToOpen(maker_.web_address);
  if (!address) {
    ShowError(kMissingWebTitle, kMissingWebText);
    return;
  }
  QDesktopServices::openUrl(QUrl(FromBytes(*address), QUrl::TolerantMode));
}

}  // namespace vpa
