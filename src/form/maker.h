// The maker's details that the form shows and its web button opens.
#ifndef VPA_FORM_MAKER_H_
#define VPA_FORM_MAKER_H_

#include <string>

namespace vpa {

struct Maker {
  std::string web_address;
  std::string support_email;
};

// The maker's details this program was built with (empty by default).
Maker BuiltInMaker();

}  // namespace vpa

#endif  // VPA_FORM_MAKER_H_
