// The preview in the Win32 window: a child window over the logo that draws
// the form's display list with GDI. It paints into an off-screen bitmap and
// copies it in one step, so a redraw never flickers; it is hidden while no
// row is previewed, and the form's logo shows.
#ifndef VPA_WIN32_PREVIEW_WINDOW_H_
#define VPA_WIN32_PREVIEW_WINDOW_H_

#include <windows.h>

#include "form/preview.h"
#include "win32/form_font.h"

namespace vpa {

class PreviewWindow {
 public:
  PreviewWindow() = default;
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;

  // Makes the hidden child window of `form`.
  void Create(HWND form, HINSTANCE instance);
  // Places it at `place`, in the form's pixels at `dpi`.
  void Place(const RECT& place, UINT dpi);
  // Shows `drawing`, or hides the window for none.
  void Show(const PreviewDrawing* drawing);
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  void Paint(HDC dc, int width, int height);

  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  PreviewDrawing drawing_;
  FormFonts fonts_;
};

}  // namespace vpa

#endif  // VPA_WIN32_PREVIEW_WINDOW_H_
