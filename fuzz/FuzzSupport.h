// What the fuzz targets share: a check that stays on in every build, the simulated machine
// they run on, and references written independently of the product code from the rules the
// programs follow, so that a target can hold the product to them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "TinyUtilsText.h"
#include "platform/sim/Sim.h"

#define FUZZ_CHECK(condition)                                                                  \
  do {                                                                                         \
    if (!(condition)) {                                                                        \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);   \
      std::abort();                                                                            \
    }                                                                                          \
  } while (0)

namespace FuzzSupport {

// The input as a text of bytes.
inline std::string Text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A freshly reset simulated Windows, Japanese (code page 932) or western (code page 1252),
// with the library's start-up run as at the start of a program.
inline void FreshMachine(bool japanese = true) {
  Sim::Reset();
  if (!japanese) Sim::SetThreadLocale(0x0409);
  TinyUtils::Startup();
}

// A Japanese or western machine as FreshMachine makes it, made anew only when the last
// input asked for the other one (the targets that use it change nothing on the machine).
inline void UseMachine(bool japanese) {
  static std::optional<bool> current;
  if (current == japanese) return;
  FreshMachine(japanese);
  current = japanese;
}

}  // namespace FuzzSupport

namespace Reference {

// Code page 932 begins a double-byte character with 81 to 9F or E0 to FC.
inline bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

enum Kind { Single, Lead, Trail };

// The kind of every byte of text, walking its characters from the first byte: a lead byte
// and the byte after it form one character unless that byte is the end or a zero byte.
// Without a double-byte model every byte is a character of its own.
inline std::vector<Kind> ByteKinds(const std::string& text, bool doubleByte) {
  std::vector<Kind> kinds(text.size(), Single);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!doubleByte || !IsLeadByte(static_cast<unsigned char>(text[i]))) continue;
    kinds[i] = Lead;
    if (i + 1 < text.size() && text[i + 1] != 0) kinds[++i] = Trail;
  }
  return kinds;
}

// The byte length of the character at i (a character boundary) by the same walk.
inline std::size_t CharacterLength(const std::string& text, std::size_t i, bool doubleByte) {
  bool pair = doubleByte && IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() && text[i + 1] != 0;
  return pair ? 2 : 1;
}

// A number as the programs read one: blanks (byte 32) first; then "$", "x", "X", "0x" or
// "0X" and one or more hexadecimal digits of at most 32 bits, read as signed; or an
// optional sign and one or more decimal digits within 32 bits. Nothing may follow.
inline std::optional<std::int32_t> StrToInt(std::string text) {
  std::size_t first = text.find_first_not_of(' ');
  text.erase(0, first == std::string::npos ? text.size() : first);
  auto digitsOnly = [](const std::string& digits, const char* allowed) {
    return !digits.empty() && digits.find_first_not_of(allowed) == std::string::npos;
  };
  auto significant = [](std::string digits) { return digits.erase(0, digits.find_first_not_of('0')); };
  std::string hexDigits;
  if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
    hexDigits = text.substr(2);
  } else if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
    hexDigits = text.substr(1);
  } else {
    bool negative = !text.empty() && text[0] == '-';
    std::string digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? text.substr(1) : text;
    if (!digitsOnly(digits, "0123456789")) return std::nullopt;
    std::string value = significant(digits);
    if (value.size() > 10) return std::nullopt;
    long long number = value.empty() ? 0 : std::stoll(value);
    if (negative) number = -number;
    if (number < -2147483648LL || number > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(number);
  }
  if (!digitsOnly(hexDigits, "0123456789abcdefABCDEF")) return std::nullopt;
  std::string value = significant(hexDigits);
  if (value.size() > 8) return std::nullopt;
  unsigned long bits = value.empty() ? 0 : std::stoul(value, nullptr, 16);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

// Without leading and trailing bytes 0 to 32.
inline std::string Trim(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  return text.substr(first, last - first);
}

}  // namespace Reference
