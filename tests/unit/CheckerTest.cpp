// The checker's account of each line and of a file, and its report, with the platform's
// answers taken from a table: a browser with a blank in its path, notepad in the Windows
// folder and as the program for ".txt" files, a code page that has only ASCII, メ, モ and あ.
#include <gtest/gtest.h>

#include <map>

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
  std::size_t WideLength(const std::string& text) override {
    std::size_t count = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) count += TinyUtils::GetByteType(text, i) != TinyUtils::ByteKind::TrailByte;
    return count;
  }
};

bool Encode(std::u16string_view character, std::string& ansi) {
  const std::map<char16_t, std::string> known = {{u'メ', "\x83\x81"}, {u'モ', "\x83\x82"}, {u'あ', "\x82\xA0"}};
  auto found = known.find(character[0]);
  if (character[0] >= 0x80 && found == known.end()) return false;
  ansi += character[0] < 0x80 ? std::string(1, static_cast<char>(character[0])) : found->second;
  return true;
}

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
      // The launcher's limits: 32,766 characters of a command line, 2,083 of a text for the shell.
      {kNotepad + " " + std::string(32743, 'a'), A::Start, {}, kNotepad},
      {kNotepad + " " + std::string(32744, 'a'), A::NotRun, {W::CommandLineTooLong}, ""},
      {"C:\\Lists\\" + std::string(2070, 'a') + ".txt", A::Shell, {}, kNotepad},
      {"C:\\Lists\\" + std::string(2071, 'a') + ".txt", A::NotRun, {W::ShellTextTooLong}, ""},
  };
  for (const Row& row : rows) {
    TTableLookups lookups;
    TLineReport report = CheckLine(2, {row.line}, lookups);
    EXPECT_EQ(report.Action, row.action) << row.line;
    EXPECT_EQ(report.Warnings, row.warnings) << row.line;
    EXPECT_EQ(report.Program, row.program) << row.line;
  }
  Browser.clear();
  TTableLookups lookups;
  EXPECT_EQ(CheckLine(2, {"http://a.example/"}, lookups).Warnings, std::vector<W>{W::NoDefaultBrowser});
  Browser = kWeb;
}

// A file saved as UTF-8 with its mark: a name in the code page, one it lacks (ü), and a line
// of 20,003 characters, too long for the shell and shown cut before its 100th あ.
TEST(CheckLines, ReadsAsTheLauncherReadsOnPastACtrlZAndCountsTheLinesTheLauncherNeverReads) {
  std::string a20000;
  for (int i = 0; i < 20000; ++i) a20000 += "\xE3\x81\x82";
  TChunks text("\xEF\xBB\xBF; list\r\nwait=20000\r\n\xE3\x83\xA1\xE3\x83\xA2.txt\r\nC:\\\xC3\xBC.txt\r\nC:\\" + a20000 +
               "\r\n\x1A" "after\r\n\r\nwww.a\r\n\x1A");
  TLineReader reader(text);
  TTableLookups lookups;
  TFileReport report;
  report.Path = "C:\\Lists\\a.txt";
  UseLocale(true);  // characters counted and shown whole
  report.Lines = CheckLines(reader, Encode, lookups);
  EXPECT_EQ(report.ExitCode(), 1);
  EXPECT_EQ(Printable(std::string("a\x1A\x7F\x81", 4)), "a^Z^??");  // control bytes, a lone lead byte
  std::string a98;
  for (int i = 0; i < 98; ++i) a98 += "あ";
  EXPECT_EQ(FormatFileReport(report),
            "C:\\Lists\\a.txt\r\n"
            "  1: コメント\r\n"
            "  2: 10000 ミリ秒待ちます\r\n"
            "     警告: wait=20000 は上限の 10000 ミリ秒になります。\r\n"
            "  3: シェルに渡します: メモ.txt\r\n"
            "     開くプログラム: C:\\WINDOWS\\notepad.exe\r\n"
            "  4: 実行しません: C:\\%C3%BC.txt\r\n"
            "     警告: シフト JIS (ANSI) にない文字があり、その名前のファイルやプログラムには届かないため、Vorla.exe は実行しません。"
            "名前をシフト JIS にある文字に変えてリストを書き直してください (メモ帳では「ANSI」で保存できます)。\r\n"
            "  5: 実行しません: C:\\" + a98 + "…\r\n"
            "     警告: プログラムとして実行できず、2083 文字を超えるためシェルにも渡されません。\r\n"
            "  6: Ctrl-Z: ここでファイルが終わります (この行の残り「after」も読まれません)\r\n"
            "     警告: 行頭の Ctrl-Z でファイルが終わるため、この行から 3 行は読まれません。\r\n"
            "  7: 読まれません (空行)\r\n"
            "  8: 読まれません: www.a\r\n"
            "  集計: 8 行 (何もしない 1、待機 1、シェル 1、読まれない 3、実行しない 2)、UTF-8 として読む行 5、警告 4 件\r\n");
}

TEST(AppPathsName, TakesABareNameWhoseDoubleByteCharactersEndInABackslashByte) {
  UseLocale(true);
  ExpectEach({{"表", "表.exe"}, {"ソフト.exe", "ソフト.exe"}, {"能.com", "能.com"}, {"C:\\表.exe", ""},
              {"Tools\\ソ", ""}, {"a/b", ""}, {"表 x", ""}, {"c:x", ""}},
             AppPathsName);
}

}  // namespace
