// Prefixes are compared case-sensitively and only spaces are trimmed, so an
// address in capitals or with a tab is opened as typed behind "http://www.".
#include "form/web_address.h"

#include "base/text.h"

namespace vpa {

std::optional<std::string> WebAddressToOpen(std::string_view configured) {
  const std::string_view address = TrimSpaces(configured);
  constexpr std::string_view kFullPrefix = "http://www.";
  if (address.empty() || address == kFullPrefix) return std::nullopt;
  if (address.starts_with(kFullPrefix)) return std::string(address);
  if (address.starts_with("www.")) return "http://" + std::string(address);
  return std::string(kFullPrefix) + std::string(address);
}

std::string SiteCaption(std::string_view configured) {
  std::string_view site = TrimSpaces(configured);
  for (std::string_view scheme : {"http://", "https://"}) {
    if (site.starts_with(scheme)) site.remove_prefix(scheme.size());
  }
  while (site.ends_with('/')) site.remove_suffix(1);
  return site.empty() ? "Maker's web site" : std::string(site);
}

}  // namespace vpa
