// TinyUtils, text: numbers, ASCII case, trimming, the double-byte model.
#include "Text.h"

#include "Startup.h"

namespace TinyUtils {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TryStrToInt(const std::string& text, std::int32_t& value) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool hex = false;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    i += 1;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (hex) {
    if (i == n) return false;
    std::uint32_t bits = 0;
    for (; i < n; ++i) {
      int digit = HexDigit(text[i]);
      if (digit < 0 || bits > 0x0FFFFFFF) return false;
      bits = bits << 4 | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(bits);
    return true;
  }
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == n) return false;
  // Accumulated in 64 bits, so that no step can overflow before the range test.
  std::int64_t number = 0;
  for (; i < n; ++i) {
    if (text[i] < '0' || text[i] > '9' || number > 214748364) return false;
    number = number * 10 + (text[i] - '0');
  }
  if (negative) number = -number;
  if (number < INT32_MIN || number > INT32_MAX) return false;
  value = static_cast<std::int32_t>(number);
  return true;
}

std::int32_t StrToIntDefault(const std::string& text, std::int32_t defaultValue) {
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

std::string AsciiLowerCase(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
  }
  return result;
}

std::string Trim(std::string text) {
  // Cut in place, so that a text handed over (as by Trim(ToHalfWidth(line))) is not copied.
  auto isText = [](char c) { return static_cast<unsigned char>(c) > 0x20; };
  std::size_t first = 0, end = text.size();
  while (first < end && !isText(text[first])) ++first;
  while (end > first && !isText(text[end - 1])) --end;
  text.resize(end);
  text.erase(0, first);
  return text;
}

ByteKind GetBufferByteType(const char* buffer, std::size_t offset) {
  if (!LocaleInfo.FarEast || buffer == nullptr || buffer[offset] == 0) return ByteKind::SingleByte;
  auto isLead = [](char c) { return LeadByteSet.Contains(static_cast<unsigned char>(c)); };
  std::size_t leadsBefore = 0;
  for (std::size_t i = offset; i > 0 && isLead(buffer[i - 1]); --i) ++leadsBefore;
  if (leadsBefore % 2 == 1) return ByteKind::TrailByte;
  return isLead(buffer[offset]) ? ByteKind::LeadByte : ByteKind::SingleByte;
}

ByteKind GetByteType(const std::string& text, std::size_t index) {
  if (!LocaleInfo.FarEast) return ByteKind::SingleByte;
  return GetBufferByteType(text.c_str(), index - 1);
}

}  // namespace TinyUtils
