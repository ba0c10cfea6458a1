// The pictures' places on the form, in twips. The build reads this file too:
// each k<Name>Place renders data/<name>.svg at the size of its place, so a
// picture's place is written here alone.
#ifndef VPA_FORM_PICTURE_PLACES_H_
#define VPA_FORM_PICTURE_PLACES_H_

#include "form/layout.h"

namespace vpa {

inline constexpr TwipRect kDiagramPlace = {120, 120, 8085, 8670};
inline constexpr TwipRect kLogoPlace = {10800, 360, 3840, 2460};

}  // namespace vpa

#endif  // VPA_FORM_PICTURE_PLACES_H_
