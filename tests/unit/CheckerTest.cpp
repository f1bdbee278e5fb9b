// The checker's account of each line and of a file, and its report, with the platform's
// answers taken from a table: a browser with a blank in its path, notepad in the Windows
// folder and as the program for ".txt" files.
#include <gtest/gtest.h>

#include "ListCheck.h"
#include "Report.h"
#include "Support.h"
#include "Text.h"

namespace {

using W = TWarning;
const std::string kWeb = "C:\\Program Files\\Web\\web.exe";
const std::string kNotepad = "C:\\WINDOWS\\notepad.exe";

std::string Browser = kWeb;
std::string BrowserPath() { return Browser; }
std::string Expand(const std::string& text) {
  return TinyUtils::Trim(text.starts_with("%SystemRoot%") ? "C:\\WINDOWS" + text.substr(12) : text);
}

class TTableLookups final : public TLineLookups {
 public:
  std::string CommandLineOf(const TListLine& line) override { return ::CommandLineOf(line, BrowserPath, Expand); }
  bool HasDefaultBrowser() override { return !Browser.empty(); }
  TProgramLookup FindProgramOf(const std::string& commandLine) override {
    if (commandLine.starts_with("\"" + kWeb + "\"")) return {kWeb, true};
    if (commandLine.starts_with(kNotepad)) return {kNotepad, true};
    return {};
  }
  TShellOpener FindShellOpener(const std::string& text) override {
    if (!SchemeOf(text).empty()) return {false, kWeb};
    return {text == "C:\\Lists", text.ends_with(".txt") ? kNotepad : ""};
  }
  std::string ToHalfWidth(const std::string& text) override {
    const std::string fullWidth = "ｈｔｔｐ：";
    return text.starts_with(fullWidth) ? "http:" + text.substr(fullWidth.size()) : text;
  }
};

TEST(CheckLine, SaysWhatTheLauncherDoesAndWarnsOfWhatWasProbablyMeantOtherwise) {
  using A = TAction;
  struct Row {
    std::string line;
    A action;
    std::vector<W> warnings;
    std::string program;
  } rows[] = {
      {"; morning pages", A::Nothing, {}, ""},        {"wait=500", A::Pause, {}, ""},
      {"WAIT=20000", A::Pause, {W::PauseCapped}, ""}, {"wait=soon", A::Pause, {W::PauseNotANumber}, ""},
      {"http://a.example/news", A::Browser, {}, kWeb}, {"URL=http://b.example/", A::Browser, {}, kWeb},
      {"%SystemRoot%\\notepad.exe", A::Start, {}, kNotepad},
      {"C:\\Lists\\memo.txt", A::Shell, {}, kNotepad},
      {"C:\\Lists", A::Shell, {}, ""},  // a folder
      {"https://a.example/mail", A::Shell, {W::AddressHttps}, kWeb},
      {"HTTP://A.EXAMPLE/", A::Shell, {W::AddressInCapitals}, kWeb},
      {"ttp://a.example/", A::Shell, {W::AddressWithoutH}, kWeb},
      {"url= http://a.example/", A::Shell, {W::AddressAfterBlank}, kWeb},
      {"ｈｔｔｐ：//a.example/", A::Shell, {W::AddressInFullWidth, W::ProgramNotFound}, ""},
      {std::string("C:\\WINDOWS\\notepad.exe\0 x", 25), A::Start, {W::ZeroByte}, kNotepad},
      {"memo \xE3\x83\xA1\xE3\x83\xA2", A::Shell, {W::Utf8Text, W::ProgramNotFound}, ""},
  };
  for (const Row& row : rows) {
    TTableLookups lookups;
    TLineReport report = CheckLine(2, row.line, lookups);
    EXPECT_EQ(report.Action, row.action) << row.line;
    EXPECT_EQ(report.Warnings, row.warnings) << row.line;
    EXPECT_EQ(report.Program, row.program) << row.line;
  }
  Browser.clear();
  TTableLookups lookups;
  EXPECT_EQ(CheckLine(2, "http://a.example/", lookups).Warnings, std::vector<W>{W::NoDefaultBrowser});
  Browser = kWeb;
}

TEST(CheckLines, ReadsOnPastACtrlZAndCountsTheLinesTheLauncherNeverReads) {
  TChunks text("\xEF\xBB\xBF; list\r\nwait=20000\r\n\x1A" "after\r\n\r\nwww.a\r\n\x1A");
  TLineReader reader(text);
  TTableLookups lookups;
  TFileReport report;
  report.Path = "C:\\Lists\\a.txt";
  report.Lines = CheckLines(reader, lookups);
  EXPECT_EQ(report.ExitCode(), 1);

  UseLocale(true);  // the report shows double-byte characters whole
  EXPECT_EQ(FormatFileReport(report),
            "C:\\Lists\\a.txt\r\n"
            "  1: シェルに渡します: \xEF\xBB\xBF; list\r\n"
            "     警告: ファイルの先頭に UTF-8 の BOM があり、Vorla.exe はそれを 1 行目の文字として読みます。\r\n"
            "     警告: プログラムが見つからず、シェルにもこれを開くプログラムがありません。\r\n"
            "  2: 10000 ミリ秒待ちます\r\n"
            "     警告: wait=20000 は上限の 10000 ミリ秒になります。\r\n"
            "  3: Ctrl-Z: ここでファイルが終わります (この行の残り「after」も読まれません)\r\n"
            "     警告: 行頭の Ctrl-Z でファイルが終わるため、この行から 3 行は読まれません。\r\n"
            "  4: 読まれません (空行)\r\n"
            "  5: 読まれません: www.a\r\n"
            "  集計: 5 行 (待機 1、シェル 1、読まれない 3)、警告 4 件\r\n");
}

TEST(FormatFileReport, TellsWhyAFileCannotBeReadAndWhetherTheLauncherStopsThere) {
  UseLocale(true);
  TFileReport report;
  report.Path = "C:\\Lists\\locked.vlf";
  report.Error = 32;
  report.ErrorReason = "別のプロセスが使用中です。";
  report.ErrorOnOpen = true;
  report.Executed = true;
  EXPECT_EQ(report.ExitCode(), 2);
  EXPECT_EQ(FormatFileReport(report),
            "C:\\Lists\\locked.vlf\r\n"
            "  エラー: 開けません: 別のプロセスが使用中です。 (エラー 32)\r\n"
            "  Vorla.exe もここで終了コード 32 で止まり、後のファイルを実行しません。\r\n"
            "  集計: 0 行、警告 0 件\r\n");
  EXPECT_EQ(Printable(std::string("a\x1A\x7F\x81", 4)), "a^Z^??");
}

}  // namespace
