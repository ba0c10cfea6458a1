// GDI only walks the display list: pens one pixel at 96 dpi and as many
// more as the scale gives, texts in the form's Arial bold at the dpi.
#include "win32/preview_window.h"

#include <algorithm>
#include <cmath>

#include "win32/form_font.h"
#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

constexpr wchar_t kClass[] = L"VpaPreview";

HPEN PenFor(const PreviewItem& item, int width) {
  LOGBRUSH brush{BS_SOLID, ResolveColour(item.pen, 0), 0};
  const DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER |
                      (item.dashed ? PS_DASH : PS_SOLID);
  return ExtCreatePen(style, DWORD(width), &brush, 0, nullptr);
}

}  // namespace

void PreviewWindow::Create(HWND form, HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kClass;
  RegisterClassExW(&window_class);
  hwnd_ = CreateWindowExW(0, kClass, L"Preview of the row",
                          WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, form, nullptr,
                          instance, this);
}

void PreviewWindow::Place(const RECT& place, UINT dpi) {
  dpi_ = dpi;
  SetWindowPos(hwnd_, HWND_TOP, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOACTIVATE);
}

void PreviewWindow::Show(const PreviewDrawing* drawing) {
  if (drawing == nullptr) {
    ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  drawing_ = *drawing;
  InvalidateRect(hwnd_, nullptr, FALSE);
  ShowWindow(hwnd_, SW_SHOWNA);
}

LRESULT CALLBACK PreviewWindow::Proc(HWND hwnd, UINT message, WPARAM w,
                                     LPARAM l) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        hwnd, GWLP_USERDATA,
        LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
  }
  auto* self =
      reinterpret_cast<PreviewWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to the form, as on the logo
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client;
      GetClientRect(hwnd, &client);
      // Drawn whole off screen, then copied in one step.
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
      HGDIOBJ former = SelectObject(memory, bitmap);
      if (self != nullptr) self->Paint(memory, client.right, client.bottom);
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
      SelectObject(memory, former);
      DeleteObject(bitmap);
      DeleteDC(memory);
      EndPaint(hwnd, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, w, l);
  }
}

void PreviewWindow::Paint(HDC dc, int width, int height) {
  auto x = [&](int twips) { return MulDiv(twips, width, kPreviewWidth); };
  auto y = [&](int twips) { return MulDiv(twips, height, kPreviewHeight); };
  const int pen_width = std::max(1, int(std::lround(dpi_ / 96.0)));
  SetBkMode(dc, TRANSPARENT);
  for (const PreviewItem& item : drawing_.items) {
    if (item.kind == PreviewItem::Kind::kText) {
      DrawTextIn(dc, fonts_.Get(item.points, dpi_), ResolveColour(item.pen, 0),
                 FromUtf8(item.text),
                 {x(item.x1), y(item.y1), x(item.x2), y(item.y2)},
                 AlignFlag(item.align) | DT_SINGLELINE | DT_VCENTER |
                     DT_NOPREFIX | DT_NOCLIP);
      continue;
    }
    HPEN pen = PenFor(item, pen_width);
    HGDIOBJ former_pen = SelectObject(dc, pen);
    if (item.kind == PreviewItem::Kind::kLine) {
      MoveToEx(dc, x(item.x1), y(item.y1), nullptr);
      LineTo(dc, x(item.x2), y(item.y2));
    } else {
      const bool filled = item.fill.source == Colour::Source::kRgb;
      HBRUSH brush = filled ? CreateSolidBrush(ResolveColour(item.fill, 0))
                            : HBRUSH(GetStockObject(NULL_BRUSH));
      HGDIOBJ former_brush = SelectObject(dc, brush);
      Rectangle(dc, x(item.x1), y(item.y1), x(item.x2) + 1, y(item.y2) + 1);
      SelectObject(dc, former_brush);
      if (filled) DeleteObject(brush);
    }
    SelectObject(dc, former_pen);
    DeleteObject(pen);
  }
}

}  // namespace vpa
