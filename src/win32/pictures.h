// The embedded pictures, unpacked once per size and drawn with their alpha.
#ifndef VPA_WIN32_PICTURES_H_
#define VPA_WIN32_PICTURES_H_

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

namespace vpa {

class Pictures {
 public:
  Pictures() = default;
  ~Pictures();
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;

  // Draws the picture `name` ("diagram" or "logo") to fill `place`. A
  // picture that cannot be unpacked draws nothing.
  void Draw(HDC dc, std::string_view name, const RECT& place);

 private:
  struct Scaled {
    int width = 0;
    int height = 0;
    HBITMAP bitmap = nullptr;
  };
  std::map<std::string, Scaled> scaled_;
};

}  // namespace vpa

#endif  // VPA_WIN32_PICTURES_H_
