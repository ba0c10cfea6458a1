// The details come from the build settings, so a maker's build needs no
// change to the sources.
#include "form/maker.h"

#ifndef VPA_WEB_ADDRESS
#define VPA_WEB_ADDRESS ""
#endif
#ifndef VPA_SUPPORT_EMAIL
#define VPA_SUPPORT_EMAIL ""
#endif

namespace vpa {

Maker BuiltInMaker() { return {VPA_WEB_ADDRESS, VPA_SUPPORT_EMAIL}; }

}  // namespace vpa
