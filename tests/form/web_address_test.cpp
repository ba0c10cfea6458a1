// The web button's prefix rules and legend.
#include "form/web_address.h"

#include <gtest/gtest.h>

namespace vpa {
namespace {

TEST(WebAddressToOpen, FollowsThePrefixRules) {
  const struct {
    const char* configured;
    const char* opened;  // nullptr: nothing to open
  } cases[] = {
      {"", nullptr},
      {"    ", nullptr},
      {"  http://www.  ", nullptr},
      {"  http://www.maker.com ", "http://www.maker.com"},
      {"www.maker.com/angles", "http://www.maker.com/angles"},
      {"maker.com", "http://www.maker.com"},
      {"http://maker.com", "http://www.http://maker.com"},
      {"https://www.maker.com", "http://www.https://www.maker.com"},
      {"WWW.maker.com", "http://www.WWW.maker.com"},
      {"\twww.maker.com", "http://www.\twww.maker.com"},
  };
  for (const auto& c : cases) {
    std::optional<std::string> address = WebAddressToOpen(c.configured);
    if (c.opened == nullptr) {
      EXPECT_FALSE(address.has_value()) << c.configured;
    } else {
      EXPECT_EQ(address.value_or("<none>"), c.opened);
    }
  }
}

TEST(SiteCaption, NamesTheSiteWithoutSchemeOrTrailingSlashes) {
  const struct {
    const char* configured;
    const char* caption;
  } cases[] = {{"http://www.maker.com/", "www.maker.com"},
               {" https://maker.com// ", "maker.com"},
               {"www.maker.com/angles", "www.maker.com/angles"},
               {"", "Maker's web site"},
               {"http://", "Maker's web site"}};
  for (const auto& c : cases) {
    EXPECT_EQ(SiteCaption(c.configured), c.caption) << c.configured;
  }
}

}  // namespace
}  // namespace vpa
