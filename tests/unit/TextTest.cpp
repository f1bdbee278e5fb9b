// The library's text decisions: the browser's path in a registered command, and the
// double-byte model of the start-up. Numbers, the command-line split and path parts are held
// to references by the fuzz targets IniValue, CommandLine and PathParts.
#include <gtest/gtest.h>

#include "Browser.h"
#include "Support.h"

namespace {

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
