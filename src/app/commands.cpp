// Help, web and the maker's details. Both open through the desktop's own
// associations; neither reports the desktop's failure to open something.
#include <QDesktopServices>
#include <QUrl>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/web_address.h"

namespace vpa {

void MainWindow::OpenHelp() {
  // From the path's bytes, which a decoded name may not give back.
  const QByteArray path(core_folder_.HelpPage().c_str());
  QDesktopServices::openUrl(
      QUrl::fromEncoded("file://" + path.toPercentEncoding("/")));
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
