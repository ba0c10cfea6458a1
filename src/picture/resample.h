// Brings a picture to the exact size a window's dpi asks for, when the
// build packed no rendering of that size.
#ifndef VPA_PICTURE_RESAMPLE_H_
#define VPA_PICTURE_RESAMPLE_H_

#include "picture/packed_picture.h"

namespace vpa {

// `from` at `width` x `height`: every pixel averages the part of `from` it
// covers, so a picture shrunk from a larger rendering keeps its lines.
Pixels Resample(const Pixels& from, int width, int height);

}  // namespace vpa

#endif  // VPA_PICTURE_RESAMPLE_H_
