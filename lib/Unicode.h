// Unicode text brought to the ANSI code page: the lines of a list file saved as UTF-8 and
// the clipboard's UTF-16 text. A character the code page lacks is written as the percent
// form of its UTF-8 bytes (ü as %C3%BC), as browsers send it, so an address keeps it.
#pragma once

#include <string>
#include <string_view>

namespace Unicode {

// The byte-order mark that begins a file saved as "UTF-8 with BOM".
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Whether text is valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF) holding at
// least one multi-byte sequence: a list line is read as UTF-8 only then. Code page 932
// text is almost never such: its double-byte characters break UTF-8's sequences.
bool IsUtf8Text(std::string_view text);

// The UTF-16 form of UTF-8 text; a byte that begins no valid sequence becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);

// Appends the ANSI bytes of one character (one UTF-16 unit, or a surrogate pair) to ansi;
// false, with ansi unchanged, when the code page lacks the character.
using TAnsiEncoder = bool (*)(std::u16string_view character, std::string& ansi);

struct TAnsiText {
  std::string Text;
  bool Lacking = false;  // a character the code page lacks was written in percent form
};

// text in the ANSI code page, one character at a time through encode; a character the code
// page lacks (or a lone surrogate, as U+FFFD) is written as the percent form of its UTF-8
// bytes.
TAnsiText AnsiFromUtf16(std::u16string_view text, TAnsiEncoder encode);

}  // namespace Unicode
