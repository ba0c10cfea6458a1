// The form's text and list sizes at a dpi, shared by the form, its preview
// and the benchmark's window of lists, so that all make their texts alike.
#ifndef VPA_WIN32_FORM_FONT_H_
#define VPA_WIN32_FORM_FONT_H_

#include <windows.h>

#include <cmath>
#include <map>

#include "form/layout.h"

namespace vpa {

// Arial bold at `points` for `dpi`; the caller deletes it.
inline HFONT CreateFormFont(double points, UINT dpi) {
  return CreateFontW(-int(std::lround(points * dpi / 72.0)), 0, 0, 0, FW_BOLD,
                     FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     VARIABLE_PITCH | FF_SWISS, L"Arial");
}

// The form's fonts at one dpi, each made once; a new dpi makes them anew.
class FormFonts {
 public:
  FormFonts() = default;
  ~FormFonts() { Clear(); }
  FormFonts(const FormFonts&) = delete;
  FormFonts& operator=(const FormFonts&) = delete;

  HFONT Get(double points, UINT dpi) {
    if (dpi != dpi_) Clear();
    dpi_ = dpi;
    HFONT& font = fonts_[int(std::lround(points * 100))];
    if (font == nullptr) font = CreateFormFont(points, dpi);
    return font;
  }

 private:
  void Clear() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
  }

  UINT dpi_ = 0;
  std::map<int, HFONT> fonts_;  // by hundredths of a point
};

// The height of a list's face for a list `height_twips` tall at `dpi`.
inline int ListItemHeight(int height_twips, UINT dpi) {
  return TwipsToPixels(height_twips, int(dpi)) - 6;
}

}  // namespace vpa

#endif  // VPA_WIN32_FORM_FONT_H_
