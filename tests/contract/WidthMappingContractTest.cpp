// LCMapStringA with LCMAP_HALFWIDTH on code page 932: every character, the forms the
// programs rely on (an address typed in full-width letters), and the sizes it reports.
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

constexpr Win::LCID kJapanese = 0x0411;

struct Mapped {
  int count;
  std::string text;  // the bytes written, up to the count
  Win::DWORD error;
};

Mapped HalfWidth(std::string_view source, int sourceLength, int destinationSize = 64,
                 Win::LCID locale = kJapanese, Win::DWORD flags = Win::LCMAP_HALFWIDTH) {
  std::string buffer(64, '#');
  std::string text(source);
  Win::SetLastError(0xDEADBEEF);
  int count = Win::LCMapStringA(locale, flags, text.c_str(), sourceLength,
                                destinationSize == 0 ? nullptr : buffer.data(), destinationSize);
  return {count, buffer.substr(0, count > 0 && destinationSize > 0 ? static_cast<std::size_t>(count) : 0),
          Win::GetLastError()};
}

TEST(WidthMappingContract, EveryDoubleByteCode) {
  Differences differences;
  ForEachDoubleByteCode([&](std::uint16_t code) {
    std::string text = CodePages::CodeBytes(code);
    std::string expected = CodePages::HalfWidthOf932(CodePages::Canonical932(code)) + '\0';
    Mapped mapped = HalfWidth(text, -1);
    if (mapped.text != expected) {
      differences.Add(Hex(text) + " gave " + Hex(mapped.text) + " (" + std::to_string(mapped.count) + "), expected " +
                      Hex(expected));
    }
  });
  EXPECT_EQ(differences.count, 0) << differences.report;
}

TEST(WidthMappingContract, SingleBytesKeepTheirForm) {
  for (int value = 1; value < 256; ++value) {
    auto byte = static_cast<unsigned char>(value);
    std::string text(1, static_cast<char>(byte));
    Mapped mapped = HalfWidth(text, -1);
    // A lone lead byte reads as ・, whose half-width form is ･ (A5).
    std::string expected = CodePages::IsLeadByte932(byte) ? "\xA5" : text;
    EXPECT_EQ(Hex(mapped.text), Hex(expected + '\0')) << "byte " << Hex(byte, 2);
  }
}

TEST(WidthMappingContract, FormsTheProgramsRelyOn) {
  struct Row {
    const char* text;
    const char* halfWidth;
  } rows[] = {
      {"ｈｔｔｐ：／／ｗｗｗ．ｅｘａｍｐｌｅ．ｊｐ／？ａ＝１＆ｂ＝＃～", "http://www.example.jp/?a=1&b=#~"},
      {"ＡＢＣ　０１９", "ABC 019"},
      {"ガパヴ", "ｶﾞﾊﾟｳﾞ"},  // a sound mark becomes a byte of its own
      {"ーァ・「。」、゛゜", "ｰｧ･｢｡｣､ﾞﾟ"},
      {"ヾ", "\x81\x52\xDE"},  // ヽ has no half-width form, its mark has
      {"￥￤＼", "\\|＼"},       // ￥ is the full-width form of byte 5C; ＼ keeps its width
      {"’”", "'\""},
      {"→■", "??"},  // their half-width forms are not in code page 932
      {"あが表ヵΑя", "あが表ヵΑя"},
      {"http://ｶﾞ", "http://ｶﾞ"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Mapped mapped = HalfWidth(rows[i].text, -1);
    EXPECT_EQ(Hex(mapped.text), Hex(std::string(rows[i].halfWidth) + '\0')) << "row " << i;
  }
}

TEST(WidthMappingContract, ReportsSizesAsWindowsDoes) {
  struct Row {
    std::string_view source;
    int sourceLength;
    int destinationSize;
    int count;
    std::string_view written;  // when count is above 0 and a destination was given
    Win::DWORD error;          // when count is 0
  } rows[] = {
      {"ガ"sv, -1, 0, 3, ""sv, 0},  // the size needed, the terminator included
      {"ガ"sv, 2, 0, 2, ""sv, 0},
      {"ガ"sv, -1, 3, 3, "\xB6\xDE\0"sv, 0},
      {"ガ"sv, 2, 2, 2, "\xB6\xDE"sv, 0},
      {"ガ"sv, -1, 2, 0, ""sv, Win::ERROR_INSUFFICIENT_BUFFER},
      {"ガガ"sv, -1, 4, 0, ""sv, Win::ERROR_INSUFFICIENT_BUFFER},
      {"ガ"sv, 1, 16, 1, "\xA5"sv, 0},  // a character cut in two reads as ・
      {"a\0Ａ"sv, 4, 16, 3, "a\0A"sv, 0},
      {""sv, -1, 16, 1, "\0"sv, 0},
      {"abc"sv, 0, 16, 0, ""sv, Win::ERROR_INVALID_PARAMETER},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Mapped mapped = HalfWidth(rows[i].source, rows[i].sourceLength, rows[i].destinationSize);
    EXPECT_EQ(mapped.count, rows[i].count) << "row " << i;
    if (rows[i].count > 0 && rows[i].destinationSize > 0) {
      EXPECT_EQ(Hex(mapped.text), Hex(rows[i].written)) << "row " << i;
    }
    if (rows[i].count == 0) {
      EXPECT_EQ(mapped.error, rows[i].error) << "row " << i;
    }
  }
}

TEST(WidthMappingContract, ConvertsWithTheCodePageOfTheLocale) {
  // An English locale reads the bytes as code page 1252, which has no full-width forms.
  EXPECT_EQ(Hex(HalfWidth("Ａガ", -1, 64, 0x0409).text), Hex("Ａガ"sv) + " 00");
  EXPECT_EQ(Hex(HalfWidth("Ａガ", -1, 64, Win::LOCALE_USER_DEFAULT).text), Hex("Aｶﾞ"sv) + " 00");
  Mapped noMapping = HalfWidth("a", -1, 64, kJapanese, 0);
  EXPECT_EQ(noMapping.count, 0);
  EXPECT_EQ(noMapping.error, 1004u);  // ERROR_INVALID_FLAGS
}

}  // namespace
