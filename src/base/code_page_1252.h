// Windows-1252, the code page of the program's files: every byte stands for
// one character and back (the five bytes the code page leaves undefined
// stand for the C1 controls of the same value, as Windows maps them), so
// stored bytes survive a trip through any window unchanged.
#ifndef VPA_BASE_CODE_PAGE_1252_H_
#define VPA_BASE_CODE_PAGE_1252_H_

#include <optional>
#include <string>
#include <string_view>

namespace vpa {

// The character that `byte` stands for.
char16_t CharOf1252(unsigned char byte);

// The byte that stands for `c`, or nothing when the code page has none.
std::optional<unsigned char> ByteOf1252(char32_t c);

// Whether `c` can be stored in a field file.
inline bool IsStorable1252(char32_t c) { return ByteOf1252(c).has_value(); }

// Bytes to UTF-16 text.
std::u16string Decode1252(std::string_view bytes);

// UTF-16 text to bytes; a character without a byte (which the windows refuse
// as it is typed) becomes "?".
std::string Encode1252(std::u16string_view text);

// UTF-8 text, as a command line gives it, to bytes; a character without a
// byte, or a byte that starts no UTF-8 character, becomes "?".
std::string Utf8To1252(std::string_view text);

// Bytes to UTF-8, for messages that quote an entry.
std::string Utf8From1252(std::string_view bytes);

}  // namespace vpa

#endif  // VPA_BASE_CODE_PAGE_1252_H_
