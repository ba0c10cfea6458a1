// form-places DPI: every control of the form's table with its place in
// pixels at DPI dots per inch and its place in the tab order ("name left
// top width height tab", tab -1 for none), so that the Windows check clicks
// where the window put each control and tabs as the window does.
// form-places --names: every control that has a spoken name, in the
// table's order, as "name<TAB>spoken name": what `vpa-probe names` must
// read back from the running window.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "form/layout.h"

namespace {

void PrintNames() {
  for (const vpa::FormControl& control : vpa::FormLayout(vpa::BuiltInMaker())) {
    if (control.accessible_name.empty()) continue;
    std::printf("%s\t%s\n", control.name.c_str(),
                control.accessible_name.c_str());
  }
}

void PrintPlaces(int dpi) {
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
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--names") {
    PrintNames();
    return 0;
  }
  const int dpi = argc > 1 ? std::atoi(argv[1]) : 96;
  if (dpi <= 0) {
    std::fprintf(stderr, "usage: form-places [DPI] | form-places --names\n");
    return 2;
  }
  PrintPlaces(dpi);
  return 0;
}
