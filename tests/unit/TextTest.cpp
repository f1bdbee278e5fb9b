// The library's text decisions: numbers, the command-line split, path parts by byte kind,
// the browser's path in a registered command, and the double-byte model of the start-up.
#include <gtest/gtest.h>

#include <climits>

#include "Browser.h"
#include "CommandLine.h"
#include "Paths.h"
#include "Support.h"
#include "Text.h"

namespace {

TEST(StrToIntDefault, ReadsDecimalAndHexadecimalWithin32Bits) {
  constexpr std::int32_t kNone = 77;
  const std::pair<const char*, std::int32_t> rows[] = {
      {"500", 500},          {"  +5", 5},            {"-2147483648", INT_MIN}, {"2147483647", INT_MAX},
      {"007", 7},            {"$7FFFFFFF", INT_MAX}, {"0xFFFFFFFF", -1},       {"x1f", 31},
      {"X00000010", 16},     {"2147483648", kNone},  {"-2147483649", kNone},   {"99999999999999999999", kNone},
      {"$100000000", kNone}, {"$", kNone},           {"0x", kNone},            {"-", kNone},
      {"1.5", kNone},        {"500 ", kNone},        {"\t5", kNone},           {"", kNone},
      {"5x", kNone},         {"0x-1", kNone},        {"--1", kNone},           {"+$1", kNone},
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(TinyUtils::StrToIntDefault(text, kNone), value) << "\"" << text << "\"";
}

TEST(SplitCommandLine, SplitsAsTheShellQuotesFileNames) {
  ExpectEach({{"prog a  b", "prog|a|b"},
              {"\"C:\\Vorla\\Vorla.exe\" \"C:\\My Lists\\d.vlf\"", "C:\\Vorla\\Vorla.exe|C:\\My Lists\\d.vlf"},
              {"prog a\"b c\"d", "prog|ab cd"},
              {"\"\" \"\"prog \"\" x", "prog|x"},  // pairs of quotes where an argument begins
              {"prog\t\x01x\x1Fy", "prog|x|y"},
              {"prog \"open to the end", "prog|open to the end"},
              {"prog \"", "prog"},  // the first empty argument ends the list
              {"prog ソ\"a b\"", "prog|ソa b"},  // ソ is 83 5C
              {std::string("prog a\0b", 8), "prog|a"},
              {"   ", ""}},
             [](const std::string& line) { return Joined(CommandLine::SplitCommandLine(line)); });
}

// The folder, name and extension of a path, "|" between them.
std::string PartsOf(const std::string& path) {
  using namespace TinyUtils;
  std::string extension = ExtractExtension(path);
  EXPECT_EQ(ChangeExtension(path, ".vlf"), path.substr(0, path.size() - extension.size()) + ".vlf") << path;
  bool backslash = ExtractName(path).empty() && !path.empty() && path.back() == '\\';
  EXPECT_EQ(RemoveTrailingBackslash(path), backslash ? path.substr(0, path.size() - 1) : path) << path;
  EXPECT_EQ(AddTrailingBackslash(path), backslash ? path : path + "\\") << path;
  return Joined({ExtractFolder(path), ExtractName(path), extension});
}

TEST(PathParts, NeverTakeTheSecondByteOfACharacterForADelimiter) {
  // 表 is 95 5C and ソ 83 5C: their second byte is "\" in code page 1252.
  UseLocale(true);
  ExpectEach({{"C:\\ソフト\\表", "C:\\ソフト\\|表|"},
              {"C:\\表", "C:\\|表|"},
              {"表\\a.txt", "表\\|a.txt|.txt"},
              {"C:\\a.b\\表", "C:\\a.b\\|表|"},
              {"C:a.表", "C:|a.表|.表"},
              {"\\", "\\||"}},
             PartsOf);
  UseLocale(false);
  ExpectEach({{"C:\\表", "C:\\\x95\\||"}, {"a.b\\c", "a.b\\|c|"}}, PartsOf);
}

TEST(ExePathOfCommand, CutsAtTheFirstExeInAnyCase) {
  ExpectEach({{"\"C:\\Program Files\\Web\\web.exe\" -url \"%1\"", "C:\\Program Files\\Web\\web.exe"},
              {"C:\\PROGRA~1\\WEB\\WEB.EXE -nohome", "C:\\PROGRA~1\\WEB\\WEB.EXE"},
              {"C:\\tools.exe.d\\web.exe", "C:\\tools.exe"},
              {"rundll32 url.dll,FileProtocolHandler %1", "rundll32 url.dll,FileProtocolHandler %1"},
              {"\"C:\\ソ\\w.Exe\"", "C:\\ソ\\w.Exe"}},
             TinyUtils::ExePathOfCommand);
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
      {2, 0x0411, false, &cp932, true, true},    {2, 0x0804, true, &cp932, true, true},  // Japanese, Chinese
      {2, 0x0407, true, &cp932, false, false},  // German
      {2, 0x0411, false, nullptr, false, false},  // no code page to be had
      {1, 0x0411, false, &cp932, false, false},  {1, 0x0409, true, &cp932, true, true},  // 95: the metric decides
      {0, 0x0411, true, nullptr, true, false},
  };
  for (const Row& row : rows) {
    TinyUtils::SetPlatform(row.platform, row.locale, row.dbcsEnabled, row.codePage);
    std::string where = "platform " + std::to_string(row.platform) + ", locale " + std::to_string(row.locale);
    EXPECT_EQ(TinyUtils::LocaleInfo.FarEast, row.farEast) << where;
    EXPECT_EQ(TinyUtils::LeadByteSet.Contains(0x81) && TinyUtils::LeadByteSet.Contains(0xFC), row.leadBytes) << where;
    EXPECT_FALSE(TinyUtils::LeadByteSet.Contains(0x80) || TinyUtils::LeadByteSet.Contains(0xA0)) << where;
  }
}

}  // namespace
