// Numbers from text, trimming, case of extensions and the parts of paths, on a Japanese
// system (code page 932) unless a test switches the simulated platform.
#include <gtest/gtest.h>

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
  const std::string hyo = "\x95\x5c";  // 表, whose second byte is a backslash
  const std::string so = "\x83\x5c";   // ソ
  EXPECT_EQ(ExtractFolder(hyo + "\\a.txt"), hyo + "\\");
  EXPECT_EQ(ExtractFolder("x" + so), "");
  EXPECT_EQ(RemoveTrailingBackslash("x" + so), "x" + so);
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
  const char* text = "a\x95\x5c\x81\x81\x81\x5b";  // a 表 ＼x81 81 then 81 5B: ー after 4 lead-set bytes?
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

}  // namespace
