// Opening the help page and the maker's web site through the desktop's own
// associations.
#include <QDesktopServices>
#include <QUrl>

#include "app/main_window.h"
#include "app/text_bytes.h"

namespace vpa {

// From the path's bytes, which a decoded name may not give back.
bool MainWindow::OpenDocument(const std::filesystem::path& file) {
  const QByteArray path(file.c_str());
  return QDesktopServices::openUrl(
      QUrl::fromEncoded("file://" + path.toPercentEncoding("/")));
}

void MainWindow::OpenAddress(const std::string& address) {
  QDesktopServices::openUrl(QUrl(From1252(address), QUrl::TolerantMode));
}

}  // namespace vpa
