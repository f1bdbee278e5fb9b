// The library's text decisions: numbers, the command-line split, path parts by byte kind,
// the browser's path in a registered command, and the double-byte model of the start-up.
#include <gtest/gtest.h>

#include <climits>

#include "Browser.h"
#include "CommandLine.h"
#include "Ini.h"
#include "Locales.h"
#include "Paths.h"
#include "Text.h"

namespace {

using Strings = std::vector<std::string>;

TEST(StrToIntDefault, ReadsDecimalAndHexadecimalWithin32Bits) {
  constexpr std::int32_t kNone = 77;
  struct Row {
    const char* text;
    std::int32_t value;
  } rows[] = {
      {"500", 500},         {"  +5", 5},          {"-2147483648", INT_MIN}, {"2147483647", INT_MAX},
      {"007", 7},           {"$7FFFFFFF", INT_MAX}, {"0xFFFFFFFF", -1},     {"x1f", 31},
      {"X00000010", 16},    {"2147483648", kNone}, {"-2147483649", kNone}, {"99999999999999999999", kNone},
      {"$100000000", kNone}, {"$", kNone},         {"0x", kNone},          {"-", kNone},
      {"1.5", kNone},       {"500 ", kNone},      {"\t5", kNone},         {"", kNone},
      {"5x", kNone},        {"0x-1", kNone},      {"--1", kNone},         {"+$1", kNone},
  };
  for (const Row& row : rows) EXPECT_EQ(TinyUtils::StrToIntDefault(row.text, kNone), row.value) << "\"" << row.text << "\"";
}

TEST(BoolOfValue, IsANonZeroNumberOrTheDefault) {
  EXPECT_TRUE(TinyIni::BoolOfValue("1", false));
  EXPECT_TRUE(TinyIni::BoolOfValue("-1", false));
  EXPECT_TRUE(TinyIni::BoolOfValue("$10", false));
  EXPECT_FALSE(TinyIni::BoolOfValue("0", true));
  EXPECT_FALSE(TinyIni::BoolOfValue("yes", false));
  EXPECT_TRUE(TinyIni::BoolOfValue("yes", true));
  EXPECT_EQ(std::string(TinyIni::BoolText[1]), "1");
}

TEST(SplitCommandLine, SplitsAsTheShellQuotesFileNames) {
  struct Row {
    std::string line;
    Strings arguments;
  } rows[] = {
      {"prog a  b", {"prog", "a", "b"}},
      {"\"C:\\Vorla\\Vorla.exe\" \"C:\\My Lists\\d.vlf\"", {"C:\\Vorla\\Vorla.exe", "C:\\My Lists\\d.vlf"}},
      {"prog a\"b c\"d", {"prog", "ab cd"}},
      {"\"\" \"\"prog x", {"prog", "x"}},  // pairs of quotes where an argument begins
      {"prog \"\" x", {"prog", "x"}},
      {"prog \"", {"prog"}},  // the first empty argument ends the list
      {"prog\t\x01x\x1Fy", {"prog", "x", "y"}},
      {"prog \"open to the end", {"prog", "open to the end"}},
      {"prog ソ\"a b\"", {"prog", "ソa b"}},  // ソ is 83 5C
      {std::string("prog a\0b", 8), {"prog", "a"}},
      {"", {}},
      {"   ", {}},
  };
  for (const Row& row : rows) EXPECT_EQ(CommandLine::SplitCommandLine(row.line), row.arguments) << ::testing::PrintToString(row.line);
}

TEST(PathParts, NeverTakeTheSecondByteOfACharacterForADelimiter) {
  // 表 is 95 5C and ソ 83 5C: their second byte is "\" in code page 1252.
  struct Row {
    bool japanese;
    std::string path, folder, name, extension;
  } rows[] = {
      {true, "C:\\ソフト\\表", "C:\\ソフト\\", "表", ""},
      {true, "C:\\表", "C:\\", "表", ""},
      {true, "表\\a.txt", "表\\", "a.txt", ".txt"},
      {true, "C:\\a.b\\表", "C:\\a.b\\", "表", ""},
      {true, "C:a.表", "C:", "a.表", ".表"},
      {true, "\\", "\\", "", ""},
      {false, "C:\\表", "C:\\\x95\\", "", ""},
      {false, "a.b\\c", "a.b\\", "c", ""},
  };
  for (const Row& row : rows) {
    UseLocale(row.japanese);
    EXPECT_EQ(TinyUtils::ExtractFolder(row.path), row.folder) << row.path << (row.japanese ? " (932)" : " (1252)");
    EXPECT_EQ(TinyUtils::ExtractName(row.path), row.name) << row.path;
    EXPECT_EQ(TinyUtils::ExtractExtension(row.path), row.extension) << row.path;
    EXPECT_EQ(TinyUtils::ChangeExtension(row.path, ".vlf"),
              row.path.substr(0, row.path.size() - row.extension.size()) + ".vlf") << row.path;
    bool backslash = row.name.empty() && !row.folder.empty() && row.folder.back() == '\\';
    EXPECT_EQ(TinyUtils::RemoveTrailingBackslash(row.path), backslash ? row.path.substr(0, row.path.size() - 1) : row.path)
        << row.path;
    EXPECT_EQ(TinyUtils::AddTrailingBackslash(row.path), backslash ? row.path : row.path + "\\") << row.path;
  }
}

TEST(ExePathOfCommand, CutsAtTheFirstExeInAnyCase) {
  struct Row {
    std::string command, path;
  } rows[] = {
      {"\"C:\\Program Files\\Web\\web.exe\" -url \"%1\"", "C:\\Program Files\\Web\\web.exe"},
      {"C:\\PROGRA~1\\WEB\\WEB.EXE -nohome", "C:\\PROGRA~1\\WEB\\WEB.EXE"},
      {"C:\\tools.exe.d\\web.exe", "C:\\tools.exe"},
      {"rundll32 url.dll,FileProtocolHandler %1", "rundll32 url.dll,FileProtocolHandler %1"},
      {"\"C:\\ソ\\w.Exe\"", "C:\\ソ\\w.Exe"},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(TinyUtils::ExePathOfCommand(row.command), row.path) << row.command;
}

TEST(SetPlatform, GivesLeadBytesToEveryNtLanguageButTheWesternOnesAndAsks95ItsMetric) {
  Win::CPINFO cp932 = CodePage932();
  struct Row {
    std::int32_t platform;
    std::uint32_t locale;
    bool dbcsEnabled;
    const Win::CPINFO* codePage;
    bool farEast, leadBytes;
  } rows[] = {
      {2, 0x0411, false, &cp932, true, true},   // Japanese NT
      {2, 0x0804, true, &cp932, true, true},    // Chinese: not western
      {2, 0x0409, true, &cp932, false, false},  // English
      {2, 0x0407, false, &cp932, false, false},  // German
      {2, 0x0411, false, nullptr, false, false},  // no code page to be had
      {1, 0x0411, false, &cp932, false, false},  // 95 family: the metric decides
      {1, 0x0409, true, &cp932, true, true},
      {0, 0x0411, true, nullptr, true, false},
  };
  for (const Row& row : rows) {
    TinyUtils::SetPlatform(row.platform, row.locale, row.dbcsEnabled, row.codePage);
    std::string where = "platform " + std::to_string(row.platform) + ", locale " + std::to_string(row.locale);
    EXPECT_EQ(TinyUtils::LocaleInfo.FarEast, row.farEast) << where;
    EXPECT_EQ(TinyUtils::LeadByteSet.Contains(0x81) && TinyUtils::LeadByteSet.Contains(0xFC), row.leadBytes) << where;
    EXPECT_FALSE(TinyUtils::LeadByteSet.Contains(0x80) || TinyUtils::LeadByteSet.Contains(0xA0)) << where;
    EXPECT_EQ(TinyUtils::PlatformId, row.platform) << where;
  }
}

}  // namespace
