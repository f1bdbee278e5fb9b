// Windows only: TinyUtils, text as the platform maps it: case (CharLowerBuffA,
// CharUpperBuffA), half-width forms (LCMapStringA) and the length in UTF-16 units.
#pragma once

#include <string>
#include <string_view>

#include "Unicode.h"

namespace TinyUtils {

std::string LowerCase(const std::string& text);  // the platform's CharLowerBuffA
std::string UpperCase(const std::string& text);  // the platform's CharUpperBuffA
// Full-width forms replaced by half-width ones (LCMapStringA, thread locale); empty when
// the platform cannot map the text.
std::string ToHalfWidth(const std::string& text);
// The characters of text up to its first zero byte, counted as the platform's Unicode
// calls count them (UTF-16 units); 0 when the platform cannot convert it.
std::size_t WideLength(const std::string& text);

// Appends the ANSI bytes of one character (a UTF-16 unit or a surrogate pair) to ansi; false,
// with ansi unchanged, when the code page lacks it. No look-alike is taken for it ("u" for
// "ü"), so that an address keeps the character. A Unicode::TAnsiEncoder.
bool AnsiOf(std::u16string_view character, std::string& ansi);
// AnsiOf on the NT family; null on the 95 family, whose conversion cannot tell a character
// the code page lacks: there Unicode text is not read, as before.
Unicode::TAnsiEncoder UnicodeEncoder();

}  // namespace TinyUtils
