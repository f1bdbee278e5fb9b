// CharLowerBuffA and CharUpperBuffA on code page 932: every single byte, every double-byte
// code, and the texts around them. Windows maps case through Unicode and back, so a code
// also turns into the preferred code of its character, or into ・ when it has none.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "Bytes.h"
#include "platform/CodePages.h"
#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

using namespace std::string_view_literals;

namespace {

struct Mapped {
  Win::DWORD count;
  std::string text;
  Win::DWORD error;
};

Mapped Lower(std::string_view text) {
  std::string buffer(text);
  Win::SetLastError(0xDEADBEEF);
  Win::DWORD count = Win::CharLowerBuffA(buffer.data(), static_cast<Win::DWORD>(buffer.size()));
  return {count, buffer, Win::GetLastError()};
}

Mapped Upper(std::string_view text) {
  std::string buffer(text);
  Win::SetLastError(0xDEADBEEF);
  Win::DWORD count = Win::CharUpperBuffA(buffer.data(), static_cast<Win::DWORD>(buffer.size()));
  return {count, buffer, Win::GetLastError()};
}

TEST(CaseMappingContract, EverySingleByte) {
  Differences differences;
  for (int value = 0; value < 256; ++value) {
    auto byte = static_cast<unsigned char>(value);
    std::string text(1, static_cast<char>(byte));
    Mapped lower = Lower(text), upper = Upper(text);
    bool ok;
    if (CodePages::IsLeadByte932(byte)) {
      // A lone lead byte reads as ・, whose two bytes do not fit: the call fails, the byte stays.
      ok = lower.count == 0 && lower.error == Win::ERROR_INSUFFICIENT_BUFFER && lower.text == text &&
           upper.count == 0 && upper.error == Win::ERROR_INSUFFICIENT_BUFFER && upper.text == text;
    } else {
      ok = lower.count == 1 && lower.text == CodePages::CodeBytes(CodePages::LowerOf(932, byte)) &&
           upper.count == 1 && upper.text == CodePages::CodeBytes(CodePages::UpperOf(932, byte));
    }
    if (!ok) {
      differences.Add("byte " + Hex(byte, 2) + ": lower " + Hex(lower.text) + " (" + std::to_string(lower.count) +
                      ", error " + std::to_string(lower.error) + "), upper " + Hex(upper.text) + " (" +
                      std::to_string(upper.count) + ")");
    }
  }
  EXPECT_EQ(differences.count, 0) << differences.report;
}

TEST(CaseMappingContract, EveryDoubleByteCode) {
  Differences differences;
  ForEachDoubleByteCode([&](std::uint16_t code) {
    std::string text = CodePages::CodeBytes(code);
    std::uint16_t character = CodePages::Canonical932(code);
    std::string lowered = CodePages::CodeBytes(CodePages::LowerOf(932, character));
    std::string raised = CodePages::CodeBytes(CodePages::UpperOf(932, character));
    Mapped lower = Lower(text), upper = Upper(text);
    if (lower.count != 2 || lower.text != lowered || upper.count != 2 || upper.text != raised) {
      differences.Add(Hex(text) + ": lower " + Hex(lower.text) + " (" + std::to_string(lower.count) + "), expected " +
                      Hex(lowered) + "; upper " + Hex(upper.text) + " (" + std::to_string(upper.count) +
                      "), expected " + Hex(raised));
    }
  });
  EXPECT_EQ(differences.count, 0) << differences.report;
}

TEST(CaseMappingContract, TextsConvertThroughUnicode) {
  struct Row {
    std::string_view text;
    std::string_view lower;
    Win::DWORD count;
    Win::DWORD error;  // when count is 0
  } rows[] = {
      {"\xEE\xEF"sv, "\xFA\x40"sv, 2, 0},      // ⅰ of the NEC selection turns into the IBM code
      {"\x87\x90"sv, "\x81\xE0"sv, 2, 0},      // ≒ of NEC row 13 turns into the JIS code
      {"\xED\x40"sv, "\xFA\x5C"sv, 2, 0},      // 纊
      {"\x81\xAD"sv, "\x81\x45"sv, 2, 0},      // a code without a character becomes ・
      {"A\x81\x20" "B"sv, "a\x81\x45" "b"sv, 4, 0},  // a lead byte takes any byte but zero
      {"A\0B"sv, "a\0b"sv, 3, 0},
      {"AB\x81"sv, "ab\x81"sv, 0, Win::ERROR_INSUFFICIENT_BUFFER},  // ・ does not fit
      {"A\x81\0B"sv, "a\x81\x45\0"sv, 0, Win::ERROR_INSUFFICIENT_BUFFER},
      {""sv, ""sv, 0, Win::ERROR_INVALID_PARAMETER},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Mapped lower = Lower(rows[i].text);
    EXPECT_EQ(Hex(lower.text), Hex(rows[i].lower)) << "row " << i;
    EXPECT_EQ(lower.count, rows[i].count) << "row " << i;
    if (rows[i].count == 0) {
      EXPECT_EQ(lower.error, rows[i].error) << "row " << i;
    }
  }
}

}  // namespace
