// The fixed lists of the window: the angle sections and the short choice
// lists. Stored list positions refer to these orders, so never reorder them.
#ifndef VPA_CATALOGUE_ANGLE_CATALOGUE_H_
#define VPA_CATALOGUE_ANGLE_CATALOGUE_H_

#include <array>
#include <string_view>

namespace vpa {

// The angle sections, ascending by long leg, short leg and thickness.
inline constexpr std::array<std::string_view, 131> kAngleCatalogue = {
    "L1x1x1/8", "L1 1/8x1 1/8x1/8", "L1 1/4x1 1/4x3/16", "L1 1/4x1 1/4x1/4",
    "L1 1/2x1 1/2x3/16", "L1 1/2x1 1/2x1/4", "L1 3/4x1 3/4x3/16",
    "L1 3/4x1 3/4x1/4", "L2x2x1/8", "L2x2x3/16", "L2x2x1/4", "L2x2x5/16",
    "L2x2x3/8", "L2 1/2x2x3/16", "L2 1/2x2x1/4", "L2 1/2x2x5/16",
    "L2 1/2x2x3/8", "L2 1/2x2 1/2x3/16", "L2 1/2x2 1/2x1/4",
    "L2 1/2x2 1/2x5/16", "L2 1/2x2 1/2x3/8", "L2 1/2x2 1/2x1/2", "L3x2x3/16",
    "L3x2x1/4", "L3x2x5/16", "L3x2x3/8", "L3x2x1/2", "L3x2 1/2x3/16",
    "L3x2 1/2x1/4", "L3x2 1/2x5/16", "L3x2 1/2x3/8", "L3x2 1/2x1/2",
    "L3x3x3/16", "L3x3x1/4", "L3x3x5/16", "L3x3x3/8", "L3x3x7/16", "L3x3x1/2",
    "L3 1/2x2 1/2x1/4", "L3 1/2x2 1/2x3/8", "L3 1/2x2 1/2x1/2", "L3 1/2x3x1/4",
    "L3 1/2x3x5/16", "L3 1/2x3x3/8", "L3 1/2x3x1/2", "L3 1/2x3 1/2x1/4",
    "L3 1/2x3 1/2x5/16", "L3 1/2x3 1/2x3/8", "L3 1/2x3 1/2x7/16",
    "L3 1/2x3 1/2x1/2", "L4x3x1/4", "L4x3x5/16", "L4x3x3/8", "L4x3x7/16",
    "L4x3x1/2", "L4x3x5/8", "L4x3 1/2x1/4", "L4x3 1/2x5/16", "L4x3 1/2x3/8",
    "L4x3 1/2x1/2", "L4x4x1/4", "L4x4x5/16", "L4x4x3/8", "L4x4x7/16",
    "L4x4x1/2", "L4x4x5/8", "L4x4x3/4", "L5x3x1/4", "L5x3x5/16", "L5x3x3/8",
    "L5x3x7/16", "L5x3x1/2", "L5x3 1/2x1/4", "L5x3 1/2x5/16", "L5x3 1/2x3/8",
    "L5x3 1/2x1/2", "L5x3 1/2x5/8", "L5x3 1/2x3/4", "L5x5x5/16", "L5x5x3/8",
    "L5x5x7/16", "L5x5x1/2", "L5x5x5/8", "L5x5x3/4", "L5x5x7/8",
    "L6x3 1/2x5/16", "L6x3 1/2x3/8", "L6x3 1/2x1/2", "L6x4x5/16", "L6x4x3/8",
    "L6x4x7/16", "L6x4x1/2", "L6x4x9/16", "L6x4x5/8", "L6x4x3/4", "L6x4x7/8",
    "L6x6x5/16", "L6x6x3/8", "L6x6x7/16", "L6x6x1/2", "L6x6x9/16", "L6x6x5/8",
    "L6x6x3/4", "L6x6x7/8", "L6x6x1", "L7x4x3/8", "L7x4x7/16", "L7x4x1/2",
    "L7x4x5/8", "L7x4x3/4", "L8x4x7/16", "L8x4x1/2", "L8x4x9/16", "L8x4x5/8",
    "L8x4x3/4", "L8x4x7/8", "L8x4x1", "L8x6x7/16", "L8x6x1/2", "L8x6x9/16",
    "L8x6x5/8", "L8x6x3/4", "L8x6x7/8", "L8x6x1", "L8x8x1/2", "L8x8x9/16",
    "L8x8x5/8", "L8x8x3/4", "L8x8x7/8", "L8x8x1", "L8x8x1 1/8",
};

// The outstanding-leg, end and pair choices, in list order.
inline constexpr std::array<std::string_view, 2> kLegChoices = {"Short", "Long"};
// The end choices, as the end list shows them and the writers compare them.
inline constexpr std::string_view kRightEnd = "Right End";
inline constexpr std::string_view kLeftEnd = "Left End";
inline constexpr std::string_view kBothEnds = "BOTH Ends";
inline constexpr std::array<std::string_view, 3> kEndChoices = {
    kBothEnds, kLeftEnd, kRightEnd};
inline constexpr std::array<std::string_view, 2> kPairChoices = {"1", "2"};

}  // namespace vpa

#endif  // VPA_CATALOGUE_ANGLE_CATALOGUE_H_
