// The checker's view of every kind of line and every warning, against the simulated
// machine of CheckerSupport.h.
#include <gtest/gtest.h>

#include "CheckerSupport.h"
#include "ListCheck.h"
#include "Report.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/SimEnvironment.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimShell.h"

using namespace CheckerSupport;
using W = TWarning;
using A = TAction;
using Warnings = std::vector<TWarning>;

namespace {

const std::string kBrowser = LauncherSupport::kBrowser;

class ListCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUpMachine(); }
};

TEST_F(ListCheckTest, TellsWhatEveryKindOfLineDoesAndWarnsWhereItIsProbablyNotMeant) {
  Sim::SetEnvironmentVariable("PATH", "C:\\Bin;C:\\Tools");
  Sim::SetRegistryString(Win::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\surf.exe",
                         "", "\"C:\\Surf\\surf.exe\"");
  struct Row {
    std::string line;
    A action;
    std::string commandLine;
    std::string program;
    Warnings warnings;
  } rows[] = {
      {"", A::Nothing, "", "", {}},
      {"; wait=500", A::Nothing, "", "", {}},
      {"wait=500", A::Pause, "", "", {}},
      {"wait=0", A::Pause, "", "", {}},
      {"WAIT=20000", A::Pause, "", "", {W::PauseCapped}},
      {"wait=500ms", A::Pause, "", "", {W::PauseNotANumber}},
      {"http://a.example/", A::Browser, kBrowser + " http://a.example/", kBrowser, {}},
      {"URL=www.a.example", A::Browser, kBrowser + " www.a.example", kBrowser, {}},
      {"http:%SystemRoot%", A::Browser, kBrowser + " http:%SystemRoot%", kBrowser, {}},  // addresses are not expanded
      {"C:\\Tools\\app.exe /x", A::Start, "C:\\Tools\\app.exe /x", "C:\\Tools\\app.exe", {}},
      {"helper /x", A::Start, "helper /x", "C:\\Vorla\\helper.exe", {}},  // the launcher's own folder
      {"app", A::Start, "app", "C:\\Tools\\app.exe", {}},                  // along PATH
      {"%SystemRoot%\\notepad.exe memo", A::Start, kNotepad + " memo", kNotepad, {}},
      {"notepad", A::Start, "notepad", kNotepad, {}},
      {"C:\\Program Files\\App\\app.exe -x", A::Start, "C:\\Program Files\\App\\app.exe -x",
       "C:\\Program Files\\App\\app.exe", {}},
      {"C:\\Lists\\memo.txt", A::Shell, "C:\\Lists\\memo.txt", kNotepad, {}},
      {"C:\\Lists", A::Shell, "C:\\Lists", "", {}},
      {"surf", A::Shell, "surf", "C:\\Surf\\surf.exe", {}},
      {"C:\\Lists\\memo.zzz", A::Shell, "C:\\Lists\\memo.zzz", "", {W::ProgramNotFound}},
      {"C:\\Lists\\memo.txt /p", A::Shell, "C:\\Lists\\memo.txt /p", "", {W::ProgramNotFound}},
      {"notpad memo.txt", A::Shell, "notpad memo.txt", "", {W::ProgramNotFound}},
      {"url=", A::Shell, "", "", {W::ProgramNotFound}},
      {"https://a.example/", A::Shell, "https://a.example/", kBrowser, {W::AddressHttps}},
      {"HTTP://A.EXAMPLE/", A::Shell, "HTTP://A.EXAMPLE/", kBrowser, {W::AddressInCapitals}},
      {"Http://a.example/", A::Shell, "Http://a.example/", kBrowser, {W::AddressInCapitals}},
      {"WWW.a.example", A::Shell, "WWW.a.example", "", {W::AddressInCapitals, W::ProgramNotFound}},
      {"\x82\x88\x82\x94\x82\x94\x82\x90\x81\x46//a", A::Shell, "\x82\x88\x82\x94\x82\x94\x82\x90\x81\x46//a", "",
       {W::AddressInFullWidth, W::ProgramNotFound}},  // ｈｔｔｐ：//a
      {"\x82\x67\x82\x73\x82\x73\x82\x6f\x81\x46//a", A::Shell, "\x82\x67\x82\x73\x82\x73\x82\x6f\x81\x46//a", "",
       {W::AddressInFullWidth, W::AddressInCapitals, W::ProgramNotFound}},  // ＨＴＴＰ：//a
      {"ttp://a.example/", A::Shell, "ttp://a.example/", "", {W::AddressWithoutH, W::ProgramNotFound}},
      {"ttps://a.example/", A::Shell, "ttps://a.example/", "",
       {W::AddressWithoutH, W::AddressHttps, W::ProgramNotFound}},
      {"url= http://a.example/", A::Shell, "http://a.example/", kBrowser, {W::AddressAfterBlank}},
      {std::string("http://a.example/\0lost", 22), A::Browser, kBrowser + " http://a.example/", kBrowser,
       {W::ZeroByte}},
      {std::string("app\0.exe", 8), A::Start, "app", "C:\\Tools\\app.exe", {W::ZeroByte}},
      {"C:\\Tools\\app.exe \xE5\xA4\xA9\xE6\xB0\x97", A::Start, "C:\\Tools\\app.exe \xE5\xA4\xA9\xE6\xB0\x81\x45",
       "C:\\Tools\\app.exe", {W::Utf8Text}},  // 天気 in UTF-8, its last byte a lead byte without a second
      {"C:\\Tools\\app.exe \x93\x56\x8B\x43", A::Start, "C:\\Tools\\app.exe \x93\x56\x8B\x43", "C:\\Tools\\app.exe",
       {}},  // 天気 in code page 932
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    TLineReport report = CheckLine(2, rows[i].line);
    EXPECT_EQ(report.Action, rows[i].action) << "row " << i;
    EXPECT_EQ(report.CommandLine, rows[i].commandLine) << "row " << i;
    EXPECT_EQ(report.Program, rows[i].program) << "row " << i;
    EXPECT_EQ(report.OpensFolder, rows[i].line == "C:\\Lists") << "row " << i;
    EXPECT_EQ(report.Warnings, rows[i].warnings) << "row " << i;
  }
  EXPECT_TRUE(Sim::Activity().empty());  // nothing was started, opened or waited for
  EXPECT_EQ(Sim::OpenRegistryKeys(), 0);
}

TEST_F(ListCheckTest, AnAddressGoesToTheShellWhenNoBrowserIsRegistered) {
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "rundll32 url.dll %1");
  TLineReport report = CheckLine(1, "http://a.example/");
  EXPECT_EQ(report.Action, A::Shell);
  EXPECT_EQ(report.CommandLine, " http://a.example/");
  EXPECT_EQ(report.Warnings, Warnings{W::NoDefaultBrowser});
}

TEST_F(ListCheckTest, WarnsOfByteOrderMarksOnTheFirstLineOnly) {
  struct Row {
    std::string content;
    Warnings first, second;
  } rows[] = {
      {"\xEF\xBB\xBFwait=5\r\n\xEF\xBB\xBFwait=5", {W::Utf8Mark, W::ProgramNotFound}, {W::ProgramNotFound}},
      {"\xEF\xBB\xBF;\r\n", {W::Utf8Mark, W::ProgramNotFound}, {}},  // no longer a comment
      {std::string("\xFF\xFE;\0\r\0\n\0", 8), {W::Utf16Mark, W::ProgramNotFound}, {}},
      {"wait=5\r\nwait=6", {}, {}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    WriteList(rows[i].content);
    TFileReport report = CheckListFile(kList);
    ASSERT_GE(report.Lines.size(), 1u) << "row " << i;
    EXPECT_EQ(report.Lines[0].Warnings, rows[i].first) << "row " << i;
    EXPECT_EQ(report.Lines.size() > 1 ? report.Lines[1].Warnings : Warnings{}, rows[i].second) << "row " << i;
  }
}

TEST_F(ListCheckTest, ShowsTheLinesAfterACtrlZAsNeverReadAndWarnsWhenTheyHoldText) {
  struct Row {
    std::string content;
    std::vector<A> actions;
    Warnings warningsOfFirstUnread;
    int unread;
  } rows[] = {
      {"wait=5\r\n\x1a" "http://a.example/\r\n\r\nwait=5\r\n", {A::Pause, A::NeverRead, A::NeverRead, A::NeverRead},
       {W::CtrlZ}, 3},
      {"wait=5\r\n\x1a\r\n \r\n", {A::Pause, A::NeverRead, A::NeverRead}, {}, 2},
      {"wait=5\r\n\x1a", {A::Pause}, {}, 0},  // a Ctrl-Z that ends the file hides nothing
      {"wait=5\r\n\x1a\x1ax\n", {A::Pause, A::NeverRead}, {W::CtrlZ}, 1},
      {"wait=5 \x1a x\r\n", {A::Pause}, {W::PauseNotANumber}, 0},  // inside a line it is a byte like any other
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    WriteList(rows[i].content);
    TFileReport report = CheckListFile(kList);
    std::vector<A> actions;
    for (const auto& line : report.Lines) actions.push_back(line.Action);
    EXPECT_EQ(actions, rows[i].actions) << "row " << i;
    std::size_t first = rows[i].unread > 0 ? actions.size() - static_cast<std::size_t>(rows[i].unread) : 0;
    EXPECT_EQ(report.Lines[first].Warnings, rows[i].warningsOfFirstUnread) << "row " << i;
    EXPECT_EQ(report.Lines[first].UnreadLines, rows[i].unread) << "row " << i;
    EXPECT_EQ(report.Error, 0u) << "row " << i;
  }
}

TEST_F(ListCheckTest, SaysWhenTheLauncherWouldNotExecuteTheFile) {
  const std::string document = "C:\\Lists\\list.doc";
  WriteList("wait=5", document);
  TFileReport report = CheckListFile(document);
  EXPECT_EQ(report.Warnings, Warnings{W::NotAListFile});
  EXPECT_FALSE(report.Executed);
  EXPECT_EQ(report.Lines.size(), 1u);  // its lines are checked all the same
  EXPECT_EQ(report.WarningCount(), 1);
}

TEST_F(ListCheckTest, ReportsFilesThatCannotBeReadWithTheSystemsErrorNumber) {
  WriteList("wait=5\r\nwait=6\r\n");
  struct Row {
    std::function<void()> arrange;
    std::string path;
    Win::DWORD error;
    bool onOpen, executed;
    std::size_t lines;
  } rows[] = {
      {[] {}, "C:\\Lists\\missing.vlf", Win::ERROR_FILE_NOT_FOUND, true, false, 0},
      {[] {}, "C:\\Lists", Win::ERROR_ACCESS_DENIED, true, false, 0},
      {[] { Sim::OpenElsewhere(kList, Win::GENERIC_WRITE, Win::FILE_SHARE_READ | Win::FILE_SHARE_WRITE); }, kList,
       Win::ERROR_SHARING_VIOLATION, true, true, 0},
      {[] { Sim::FailReadsAt(kList, 10, 23); }, kList, 23, false, true, 1},
      {[] { Sim::FailClosing(kList, Win::ERROR_INVALID_HANDLE); }, kList, Win::ERROR_INVALID_HANDLE, false, true, 2},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    SetUpMachine();
    WriteList("wait=5\r\nwait=6\r\n");
    rows[i].arrange();
    TFileReport report = CheckListFile(rows[i].path);
    EXPECT_EQ(report.Error, rows[i].error) << "row " << i;
    EXPECT_EQ(report.ErrorOnOpen, rows[i].onOpen) << "row " << i;
    EXPECT_EQ(report.Executed, rows[i].executed) << "row " << i;
    EXPECT_EQ(report.Lines.size(), rows[i].lines) << "row " << i;
  }
}

TEST(Printable, ShowsControlBytesAndCutCharactersSafely) {
  struct Row {
    std::string text, expected;
  } rows[] = {
      {"a\x1a" "b\tc\x7f", "a^Zb^Ic^?"},
      {std::string("x\0y", 3), "x^@y"},
      {"\x93\x56\x8B\x43", "\x93\x56\x8B\x43"},  // 天気 stays whole
      {"ab\x93", "ab?"},                          // a lead byte at the end
      {"\x93\x01z", "?^Az"},
      {"\xB1\xB2", "\xB1\xB2"},  // half-width katakana are single bytes
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(Printable(rows[i].text), rows[i].expected) << "row " << i;
}

}  // namespace
