// What the web button opens and shows, from the configured address.
#ifndef VPA_FORM_WEB_ADDRESS_H_
#define VPA_FORM_WEB_ADDRESS_H_

#include <optional>
#include <string>
#include <string_view>

namespace vpa {

// The message shown when there is no address to open.
inline constexpr char kMissingWebTitle[] = "Missing Data";
inline constexpr char kMissingWebText[] =
    "You don't have a web address entered for this entry";

// The address to open for a configured one, or nothing when none is
// configured (empty, spaces only, or the bare "http://www.").
std::optional<std::string> WebAddressToOpen(std::string_view configured);

// The web button's legend: the site without its scheme and trailing slashes.
std::string SiteCaption(std::string_view configured);

}  // namespace vpa

#endif  // VPA_FORM_WEB_ADDRESS_H_
