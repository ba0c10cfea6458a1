// Help, web and the maker's details. Both open through the desktop's own
// associations; neither reports the desktop's failure to open something.
#include <QDesktopServices>
#include <QUrl>

#include "app/main_window.h"

#ifndef VPA_WEB_ADDRESS
#define VPA_WEB_ADDRESS ""
#endif
#ifndef VPA_SUPPORT_EMAIL
#define VPA_SUPPORT_EMAIL ""
#endif

namespace vpa {
namespace {

// Only the space character is trimmed; tabs and the rest stay.
QString TrimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return text.mid(first, last - first);
}

}  // namespace

MakerInfo BuiltInMaker() {
  return {QStringLiteral(VPA_WEB_ADDRESS), QStringLiteral(VPA_SUPPORT_EMAIL)};
}

std::optional<QString> WebAddressToOpen(const QString& configured) {
  const QString address = TrimSpaces(configured);
  const QString full_prefix = "http://www.";
  if (address.isEmpty() || address == full_prefix) return std::nullopt;
  if (address.startsWith(full_prefix, Qt::CaseSensitive)) return address;
  if (address.startsWith("www.", Qt::CaseSensitive)) {
    return "http://" + address;
  }
  return full_prefix + address;
}

void MainWindow::OpenHelp() {
  QDesktopServices::openUrl(QUrl::fromLocalFile(folder_ + "/Pellavert.htm"));
}

void MainWindow::OpenWebSite() {
  std::optional<QString> address = WebAddressToOpen(maker_.web_address);
  if (!address) {
    ShowError("Missing Data",
              "You don't have a web address entered for this entry");
    return;
  }
  QDesktopServices::openUrl(QUrl(*address, QUrl::TolerantMode));
}

}  // namespace vpa
