// Bytes of texts as the contract tests print them ("82 60 41"), and walks over code page 932.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

inline std::string Hex(std::string_view bytes) {
  std::string text;
  for (unsigned char byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    if (!text.empty()) text += ' ';
    text += digits;
  }
  return text;
}

inline std::string Hex(unsigned value, int digits) {
  char text[12];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

// The code of every lead byte of code page 932 followed by every byte but zero.
template <typename Visit>
void ForEachDoubleByteCode(Visit visit) {
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (unsigned trail = 1; trail < 0x100; ++trail) visit(static_cast<std::uint16_t>(lead << 8 | trail));
  }
}

// The first of many differences, so that a wrong table does not flood the log.
struct Differences {
  int count = 0;
  std::string report;
  void Add(const std::string& line) {
    if (++count <= 20) report += line + "\n";
  }
};
