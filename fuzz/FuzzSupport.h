// What the fuzz targets share: a check that stays on in every build, the platform's model of
// the unit tests (the double-byte model of a Japanese or a western system, bytes arriving in
// chunks), and references written independently of the product code from the rules the
// programs follow, so that a target can hold the product to them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../tests/unit/Model.h"

#define FUZZ_CHECK(condition) \
  ((condition) ? void() : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))

// A code page of ASCII alone, as an encoder of characters.
inline bool Ascii(std::u16string_view character, std::string& ansi) {
  if (character.size() != 1 || character[0] >= 0x80) return false;
  ansi += static_cast<char>(character[0]);
  return true;
}

namespace Reference {

enum Kind { Single, Lead, Trail };

// The kind of every byte of text, walking its characters from the first byte: on a
// Japanese system 81-9F and E0-FC begin a double-byte character, whose second byte is the
// next one unless that is the end or a zero byte.
inline std::vector<Kind> ByteKinds(const std::string& text, bool japanese) {
  std::vector<Kind> kinds(text.size(), Single);
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (!japanese || !((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC))) continue;
    kinds[i] = Lead;
    if (i + 1 < text.size() && text[i + 1] != 0) kinds[++i] = Trail;
  }
  return kinds;
}

// A number as the programs read one: blanks (byte 32) first; then "$", "x", "X", "0x" or
// "0X" and one to eight significant hexadecimal digits, read as signed 32 bits; or an
// optional sign and decimal digits within 32 bits. Nothing may follow.
inline std::optional<std::int32_t> StrToInt(std::string text) {
  text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
  bool hex = text.starts_with("0x") || text.starts_with("0X");
  bool shortHex = !hex && (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'));
  bool sign = !hex && !shortHex && (text.starts_with('-') || text.starts_with('+'));
  std::string digits = text.substr(hex ? 2 : shortHex || sign ? 1 : 0);
  const char* allowed = hex || shortHex ? "0123456789abcdefABCDEF" : "0123456789";
  if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos) return std::nullopt;
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.size() > (hex || shortHex ? 8u : 10u)) return std::nullopt;
  if (hex || shortHex) return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::stoul("0" + digits, nullptr, 16)));
  long long number = std::stoll("0" + digits) * (text.starts_with('-') ? -1 : 1);
  if (number < INT32_MIN || number > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

// Without leading and trailing bytes 0 to 32.
inline std::string Trim(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  return text.substr(first, last - first);
}

}  // namespace Reference
