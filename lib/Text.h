// TinyUtils, text: numbers from text, ASCII case, trimming and the kinds of the bytes of
// double-byte text. Texts are byte strings in the ANSI code page; positions in texts are
// 1-based, offsets into zero-terminated buffers 0-based. No operation changes its argument
// or fails loudly: bad input gives a default or empty text. The platform's own case and
// width mapping are in win32/TextMapping.h.
#pragma once

#include <cstdint>
#include <string>

namespace TinyUtils {

enum class ByteKind { SingleByte = 0, LeadByte = 1, TrailByte = 2 };

// The value of text (blanks first, decimal with optional sign, or hexadecimal after "$",
// "x", "X", "0x", "0X", nothing after), or defaultValue when it is no valid 32-bit number.
std::int32_t StrToIntDefault(const std::string& text, std::int32_t defaultValue);
// The same reading: true with value set when text is a valid number; false, value unchanged.
bool TryStrToInt(const std::string& text, std::int32_t& value);
std::string AsciiLowerCase(const std::string& text);  // "A" to "Z" only
std::string Trim(std::string text);                   // without leading and trailing bytes 0 to 32

// The kind of a byte by the double-byte model of the start-up (Startup.h): counted back
// over the lead bytes before it; a zero byte and any byte of a single-byte locale is single.
ByteKind GetBufferByteType(const char* buffer, std::size_t offset);
ByteKind GetByteType(const std::string& text, std::size_t index);  // index 1 to length

}  // namespace TinyUtils
