// Help, web and the maker's details. Both open through the desktop's own
// associations; Help says when the desktop could not open the page.
#include <QDesktopServices>
#include <QUrl>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "base/files.h"
#include "form/start_notes.h"
#include "form/web_address.h"

namespace vpa {

void MainWindow::OpenHelp() {
  // From the path's bytes, which a decoded name may not give back.
  const QByteArray path(core_folder_.HelpPage().c_str());
  if (!QDesktopServices::openUrl(
          QUrl::fromEncoded("file://" + path.toPercentEncoding("/")))) {
    ShowError(kFormCaption,
              QString::fromStdString(
                  HelpNotOpenedMessage(PathText(core_folder_.HelpPage()))),
              QMessageBox::Warning);
  }
}

// Said once the window shows, which it does all the same.
void MainWindow::TellMissingFolders() {
  if (std::optional<std::string> missing =
          MissingFoldersMessage(core_folder_)) {
    ShowError(kFormCaption, QString::fromStdString(*missing),
              QMessageBox::Warning);
  }
}

void MainWindow::OpenWebSite() {
  std::optional<std::string> address = WebAddressToOpen(maker_.web_address);
  if (!address) {
    ShowError(kMissingWebTitle, kMissingWebText);
    return;
  }
  QDesktopServices::openUrl(QUrl(From1252(*address), QUrl::TolerantMode));
}

}  // namespace vpa
