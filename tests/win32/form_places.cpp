// form-places DPI: every control of the form's table with its place in
// pixels at DPI dots per inch and its place in the tab order ("name left
// top width height tab", tab -1 for none), so that the Windows check clicks
// where the window put each control and tabs as the window does.
#include <cstdio>
#include <cstdlib>

#include "form/layout.h"

int main(int argc, char** argv) {
  const int dpi = argc > 1 ? std::atoi(argv[1]) : 96;
  if (dpi <= 0) {
    std::fprintf(stderr, "usage: form-places [DPI]\n");
    return 2;
  }
  std::printf("Form1 0 0 %d %d -1\n",
              vpa::TwipsToPixels(vpa::kClientWidthTwips, dpi),
              vpa::TwipsToPixels(vpa::kClientHeightTwips, dpi));
  for (const vpa::FormControl& control : vpa::FormLayout(vpa::BuiltInMaker())) {
    const vpa::TwipRect& place = control.place;
    const int left = vpa::TwipsToPixels(place.left, dpi);
    const int top = vpa::TwipsToPixels(place.top, dpi);
    std::printf("%s %d %d %d %d %d\n", control.name.c_str(), left, top,
                vpa::TwipsToPixels(place.left + place.width, dpi) - left,
                vpa::TwipsToPixels(place.top + place.height, dpi) - top,
                control.tab);
  }
  return 0;
}
