// Windows only: TinyUtils, text as the platform maps it: case (CharLowerBuffA,
// CharUpperBuffA), half-width forms (LCMapStringA) and the length in UTF-16 units.
#pragma once

#include <string>

namespace TinyUtils {

std::string LowerCase(const std::string& text);  // the platform's CharLowerBuffA
std::string UpperCase(const std::string& text);  // the platform's CharUpperBuffA
// Full-width forms replaced by half-width ones (LCMapStringA, thread locale); empty when
// the platform cannot map the text.
std::string ToHalfWidth(const std::string& text);
// The characters of text up to its first zero byte, counted as the platform's Unicode
// calls count them (UTF-16 units); 0 when the platform cannot convert it.
std::size_t WideLength(const std::string& text);

}  // namespace TinyUtils
