// A list's accessible object under the form's name for it. Wine's MSAA
// names a list by its current item and ignores the annotation service, so
// the window answers a reader's request for a list itself: with the
// system's own object for it, renamed.
#ifndef VPA_WIN32_NAMED_OBJECT_H_
#define VPA_WIN32_NAMED_OBJECT_H_

#include <windows.h>

#include <string>

namespace vpa {

// From now on `control` answers WM_GETOBJECT with its standard object
// named `name`; oleacc is loaded at the first request.
void AnswerWithName(HWND control, const std::wstring& name);

}  // namespace vpa

#endif  // VPA_WIN32_NAMED_OBJECT_H_
