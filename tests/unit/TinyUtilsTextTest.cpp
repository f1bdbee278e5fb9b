// Numbers from text, trimming, case of extensions and the parts of paths, on a Japanese
// system (code page 932) unless a test switches the simulated platform.
#include <gtest/gtest.h>

#include <string>

#include "TinyUtilsText.h"
#include "platform/sim/Sim.h"

using namespace TinyUtils;

namespace {

constexpr std::int32_t kDefault = -77;

TEST(StrToIntDefault, ReadsDecimalAndHexadecimalOrGivesTheDefault) {
  struct Row {
    const char* text;
    std::int32_t expected;
  } rows[] = {
      {"0", 0}, {"  12", 12}, {"12 ", kDefault}, {"+7", 7}, {"012", 12}, {"-5", -5},
      {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}, {"2147483648", kDefault},
      {"-2147483649", kDefault}, {"99999999999", kDefault}, {"$1f", 31}, {"x1F", 31}, {"0X1f", 31},
      {"$FFFFFFFF", -1}, {"$00000000FF", 255}, {"$100000000", kDefault}, {"-$10", kDefault},
      {"-0x10", kDefault}, {"$", kDefault}, {"0x", kDefault}, {"", kDefault}, {"   ", kDefault},
      {"\t5", kDefault}, {"-", kDefault}, {"1.5", kDefault}, {"500ms", kDefault}, {"soon", kDefault},
      {"$3E8", 1000}, {"0x3E8", 1000}, {" 500", 500}, {"$g", kDefault},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(StrToIntDefault(rows[i].text, kDefault), rows[i].expected) << "row " << i << ": \"" << rows[i].text << '"';
  }
}

TEST(Trim, DropsControlBytesAndBlanksButKeepsDoubleByteCharacters) {
  EXPECT_EQ(Trim(" \t\r\n "), "");
  EXPECT_EQ(Trim(std::string("\0 a b\x1f", 6)), "a b");
  EXPECT_EQ(Trim("\x81\x40x\x81\x40"), "\x81\x40x\x81\x40");  // full-width spaces stay
}

TEST(AsciiLowerCase, LowersOnlyAsciiLetters) {
  EXPECT_EQ(AsciiLowerCase(".TXT"), ".txt");
  EXPECT_EQ(AsciiLowerCase(".Vlf"), ".vlf");
  EXPECT_EQ(AsciiLowerCase("\x82\x60Z"), "\x82\x60z");
}

TEST(PathParts, FollowTheLastDelimiterThatIsNoSecondByte) {
  const std::string so = "\x83\x5c";  // ソ, whose second byte is a backslash
  EXPECT_EQ(AddTrailingBackslash("x" + so), "x" + so + "\\");
  EXPECT_EQ(ExtractFolder("C:x.txt"), "C:");
  EXPECT_EQ(ExtractFolder("file.txt"), "");
  EXPECT_EQ(ExtractName("C:\\a\\b.lnk"), "b.lnk");
  EXPECT_EQ(ExtractName("b.lnk"), "b.lnk");
  EXPECT_EQ(ExtractExtension("C:\\dir.x\\file"), "");
  EXPECT_EQ(ExtractExtension("a.b.txt"), ".txt");
  EXPECT_EQ(ExtractExtension("name."), ".");
  EXPECT_EQ(ChangeExtension("list.txt", ".vlf"), "list.vlf");
  EXPECT_EQ(ChangeExtension("readme", ".vlf"), "readme.vlf");
  EXPECT_EQ(ChangeExtension("C:\\old.dir\\list", ".vlf"), "C:\\old.dir\\list.vlf");
  EXPECT_EQ(AddTrailingBackslash("C:\\dir"), "C:\\dir\\");
  EXPECT_EQ(AddTrailingBackslash("C:\\dir\\"), "C:\\dir\\");
  EXPECT_EQ(AddTrailingBackslash(""), "\\");
  EXPECT_EQ(RemoveTrailingBackslash("C:\\dir\\\\"), "C:\\dir\\");
}

TEST(PathParts, WesternNtSystemTakesEveryBackslashByteForADelimiter) {
  Sim::SetThreadLocale(0x0409);
  Startup();
  EXPECT_FALSE(LocaleInfo.FarEast);
  EXPECT_TRUE(LeadByteSet.Empty());
  EXPECT_EQ(ExtractFolder("x\x83\x5c"), "x\x83\x5c");
  EXPECT_EQ(GetByteType("\x95\x5c", 1), ByteKind::SingleByte);
}

TEST(ByteKinds, CountLeadBytesBackwardsFromTheOffset) {
  const char* text = "a\x95\x5c\x81\x81\x81\x5b";  // a表＝ー: ＝ and ー share a lead byte that is a trail byte too
  EXPECT_EQ(GetBufferByteType(text, 0), ByteKind::SingleByte);
  EXPECT_EQ(GetBufferByteType(text, 1), ByteKind::LeadByte);
  EXPECT_EQ(GetBufferByteType(text, 2), ByteKind::TrailByte);
  EXPECT_EQ(GetBufferByteType(text, 3), ByteKind::LeadByte);
  EXPECT_EQ(GetBufferByteType(text, 4), ByteKind::TrailByte);
  EXPECT_EQ(GetBufferByteType(text, 5), ByteKind::LeadByte);
  EXPECT_EQ(GetBufferByteType(text, 6), ByteKind::TrailByte);
  EXPECT_EQ(GetBufferByteType(text, 7), ByteKind::SingleByte);  // the terminator
  EXPECT_EQ(GetBufferByteType(nullptr, 3), ByteKind::SingleByte);
}

// The lead-byte set as ranges, "81-9F E0-FC".
std::string LeadByteRanges() {
  std::string text;
  for (int byte = 0; byte < 256; ++byte) {
    if (!LeadByteSet.Contains(static_cast<unsigned char>(byte)) ||
        (byte > 0 && LeadByteSet.Contains(static_cast<unsigned char>(byte - 1)))) {
      continue;
    }
    int last = byte;
    while (last < 255 && LeadByteSet.Contains(static_cast<unsigned char>(last + 1))) ++last;
    char range[24];
    std::snprintf(range, sizeof range, "%02X-%02X", byte, last);
    text += (text.empty() ? "" : " ") + std::string(range);
  }
  return text;
}

TEST(Startup, ReadsThePlatformAndBuildsTheDoubleByteModel) {
  constexpr int kKeep = -1;
  struct Row {
    const char* system;
    Win::DWORD platformId;
    bool versionQueryFails;
    Win::LCID threadLocale;
    int ansiCodePage;  // or kKeep: the one the locale brings
    bool localeInfoFails;
    int dbcsEnabled;  // or kKeep: enabled with code page 932
    std::int32_t expectedPlatformId;
    std::uint32_t expectedLcid;
    std::uint32_t expectedLanguage;
    bool expectedFarEast;
    const char* expectedLeadBytes;
  } rows[] = {
      {"Japanese NT", 2, false, 0x0411, kKeep, false, kKeep, 2, 0x0411, 0x11, true, "81-9F E0-FC"},
      {"English NT", 2, false, 0x0409, kKeep, false, kKeep, 2, 0x0409, 9, false, ""},
      {"German NT with code page 932", 2, false, 0x0407, 932, false, 1, 2, 0x0407, 7, false, ""},
      {"Russian NT: no lead bytes", 2, false, 0x0419, kKeep, false, kKeep, 2, 0x0419, 0x19, false, ""},
      {"Japanese 95 family", 1, false, 0x0411, kKeep, false, kKeep, 1, 0x0411, 0x11, true, "81-9F E0-FC"},
      {"English 95 family", 1, false, 0x0409, kKeep, false, kKeep, 1, 0x0409, 9, false, ""},
      {"95 family, DBCS on, English", 1, false, 0x0409, kKeep, false, 1, 1, 0x0409, 9, true, ""},
      {"Japanese, version unknown", 2, true, 0x0411, kKeep, false, kKeep, 0, 0x0411, 0x11, true, "81-9F E0-FC"},
      {"version unknown, DBCS off", 2, true, 0x0411, kKeep, false, 0, 0, 0x0411, 0x11, false, ""},
      {"Chinese NT, locale query fails", 2, false, 0x0804, 932, true, kKeep, 2, 0x0804, 4, true, "81-9F E0-FC"},
      {"Chinese NT, locale query answers", 2, false, 0x0804, 932, false, kKeep, 2, 0x0804, 4, false, ""},
      {"no thread locale", 2, false, 0, kKeep, false, kKeep, 2, 0x0409, 9, false, ""},
      {"thread locale without language", 2, false, 0x10000, 932, false, kKeep, 2, 0x10000, 9, false, ""},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    Sim::Reset();
    Sim::SetPlatform(row.platformId, 4, 10);
    Sim::SetVersionQueryFails(row.versionQueryFails);
    Sim::SetThreadLocale(row.threadLocale);
    if (row.ansiCodePage != kKeep) Sim::SetAnsiCodePage(static_cast<Win::UINT>(row.ansiCodePage));
    Sim::SetLocaleInfoFails(row.localeInfoFails);
    if (row.dbcsEnabled != kKeep) Sim::SetDbcsEnabled(row.dbcsEnabled != 0);
    Startup();
    EXPECT_EQ(PlatformId, row.expectedPlatformId) << row.system;
    EXPECT_EQ(LocaleInfo.DefaultLCID, row.expectedLcid) << row.system;
    EXPECT_EQ(LocaleInfo.PrimaryLanguage, row.expectedLanguage) << row.system;
    EXPECT_EQ(LocaleInfo.FarEast, row.expectedFarEast) << row.system;
    EXPECT_EQ(LeadByteRanges(), row.expectedLeadBytes) << row.system;
  }
}

TEST(Startup, CodePageOfLocaleFallsBackOnTheSystemCodePage) {
  EXPECT_EQ(CodePageOfLocale(0x0411), 932u);
  EXPECT_EQ(CodePageOfLocale(0x0409), 1252u);
  Sim::SetLocaleInfoFails(true);
  EXPECT_EQ(CodePageOfLocale(0x0409), 932u);
}

TEST(CaseMapping, FollowsTheCodePageOfTheSystem) {
  EXPECT_EQ(LowerCase(""), "");
  Sim::SetThreadLocale(0x0409);
  Startup();
  EXPECT_EQ(LowerCase("\xC0.TXT\x82\x60"), "\xE0.txt\x82\x60");  // code page 1252: À lowered, no full-width letters
}

TEST(ToHalfWidth, MapsWithTheThreadLocale) {
  Sim::SetThreadLocale(0x0409);
  EXPECT_EQ(ToHalfWidth("\x82\x60"), "\x82\x60");  // read as code page 1252
}

TEST(ToHalfWidth, AsksForTheSizeWhenTheFormIsLonger) {
  Sim::SetHalfWidthForm("\x81\x40", "<blank>");  // a platform whose form of the ideographic space is longer
  EXPECT_EQ(ToHalfWidth("a\x81\x40\x82\x60"), "a<blank>A");
  EXPECT_EQ(ToHalfWidth("\x81\x40\x81\x40\x81\x40"), "<blank><blank><blank>");
}

TEST(ToHalfWidth, GivesTheEmptyTextWhenThePlatformCannotMap) {
  Sim::SetThreadLocale(0);  // a thread locale without a language: LCMapStringA refuses it
  EXPECT_EQ(ToHalfWidth("abc"), "");
}

}  // namespace
