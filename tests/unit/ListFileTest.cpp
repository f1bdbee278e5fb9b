// List files as the launcher executes them: the worked example, line ends and Ctrl-Z, reads
// through a small buffer, lines too long to hand on, and the end on an input/output error.
// Line kinds and pauses: ListLineTest, ListCheckTest and CheckerAgreesWithLauncherTest.
#include <gtest/gtest.h>

#include <functional>

#include "LauncherSupport.h"
#include "ListFile.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimShell.h"

using LauncherSupport::kBrowser;
using LauncherSupport::RegisterBrowser;
using LauncherSupport::RunLauncher;
using LauncherSupport::ShellOpened;
using Strings = std::vector<std::string>;

namespace {

const std::string kList = "C:\\Lists\\list.vlf";

void WriteList(const std::string& content, const std::string& path = kList) {
  Sim::AddFolder(path.substr(0, path.rfind('\\')));
  Sim::AddFile(path, content);
}

// Runs the launcher on one list file with the given content; returns its exit code.
int RunList(const std::string& content) {
  WriteList(content);
  return RunLauncher(kList);
}

// The command lines handed to CreateProcessA, in order.
Strings Started() {
  Strings lines;
  for (const auto& start : Sim::ProcessStarts()) lines.push_back(start.commandLine);
  return lines;
}

TEST(ExecuteListFile, RunsTheWorkedExampleOfTenLines) {
  RegisterBrowser();
  Sim::AddProgram("C:\\WINDOWS\\notepad.exe");
  Sim::AddFolder("C:\\Lists");
  Sim::AddFile("C:\\Lists\\memo.txt", "memo");
  EXPECT_EQ(RunList("; morning pages\r\n"
                    "wait=500\r\n"
                    "http://a.example/news\r\n"
                    "URL=http://b.example/\r\n"
                    "   www.c.example\r\n"
                    "WAIT=20000\r\n"
                    "https://a.example/mail\r\n"
                    "%SystemRoot%\\notepad.exe\r\n"
                    "wait=soon\r\n"
                    "C:\\Lists\\memo.txt\r\n"),
            0);
  EXPECT_EQ(Sim::Activity(), (Strings{
                                 "wait 500",
                                 "run C:\\Browser\\browser.exe http://a.example/news",
                                 "run C:\\Browser\\browser.exe http://b.example/",
                                 "run C:\\Browser\\browser.exe www.c.example",
                                 "wait 10000",
                                 "fail https://a.example/mail",
                                 "open https://a.example/mail",
                                 "run C:\\WINDOWS\\notepad.exe",
                                 "fail C:\\Lists\\memo.txt",
                                 "open C:\\Lists\\memo.txt",
                             }));
  for (const auto& request : Sim::ShellRequests()) {
    EXPECT_EQ(request.parameters, "");
    EXPECT_FALSE(request.parametersNull);
    EXPECT_TRUE(request.parentIsDesktop);
    EXPECT_EQ(request.showCommand, Win::SW_SHOWNORMAL);
  }
  EXPECT_EQ(Sim::VirtualClock(), 10500u);
  EXPECT_EQ(Sim::OpenFileHandles(kList), 0);
}

TEST(ExecuteListFile, EndsLinesAtLineFeedsDropsCarriageReturnsAndStopsAtCtrlZ) {
  struct Row {
    std::string content;
    Strings expected;
  } rows[] = {
      {"", {}},
      {"; only\r\n\r\n \t \r\n;comments\n", {}},
      {"a\r\nb\nc", {"a", "b", "c"}},
      {"one\rtwo\r\n", {"onetwo"}},
      {"a\r", {"a"}},
      {"a\n\n\n\r\nb\n", {"a", "b"}},
      {"a\r\n\x1a"
       "b\r\nc\r\n",
       {"a"}},
      {"\x1a"
       "a\r\n",
       {}},
      {"a\x1a b\r\nc", {"a\x1a b", "c"}},
      {"a\n\r\x1a\nb", {"a", "b"}},  // the CR stands where the line begins, so it goes on
      {" \t; comment\r\n  x  \r\n", {"x"}},
      {"\x95\x5c\r\n\x83\x5c\n", {"\x95\x5c", "\x83\x5c"}},  // 表 and ソ: a trail byte 5C is no backslash
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    EXPECT_EQ(RunList(rows[i].content), 0) << "row " << i;
    EXPECT_EQ(ShellOpened(), rows[i].expected) << "row " << i;
  }
}

TEST(ExecuteListFile, HandsAnAddressToTheShellWhenNoBrowserIsFound) {
  EXPECT_EQ(RunList("http://a.example/"), 0);
  EXPECT_EQ(Sim::Activity(), (Strings{"fail  http://a.example/", "open  http://a.example/"}));
}

TEST(ExecuteListFile, QuotesABrowserPathWithABlank) {
  const std::string browser = "C:\\Program Files\\Web Browser\\browser.exe";
  RegisterBrowser(browser);
  Sim::AddProgram("C:\\Program.exe");  // would be started for the unquoted path
  EXPECT_EQ(RunList("http://a.example/"), 0);
  ASSERT_EQ(Sim::ProcessStarts().size(), 1u);
  EXPECT_EQ(Sim::ProcessStarts()[0].commandLine, "\"" + browser + "\" http://a.example/");
  EXPECT_EQ(Sim::ProcessStarts()[0].program, browser);
}

TEST(ExecuteListFile, StartsAProgramThatNeverGetsReadyOnlyOnce) {
  Sim::AddProgram("C:\\Tools\\console.exe", Sim::ProgramKind::Console);
  EXPECT_EQ(RunList("C:\\Tools\\console.exe /x\r\n"), 0);
  EXPECT_EQ(Sim::Activity(), (Strings{"run C:\\Tools\\console.exe /x"}));
}

TEST(ExecuteListFile, ReadsThroughASmallBufferWhateverTheLengthOfLinesAndFile) {
  std::string content, longLine = "C:\\" + std::string(5000, 'x');
  Strings expected;
  for (int i = 0; i < 300; ++i) {
    std::string line = "line" + std::to_string(i);
    content += line + "\r\n";
    expected.push_back(line);
  }
  content += longLine + "\r\n";
  expected.push_back(longLine);
  // A CR LF split across two reads.
  std::string split = std::string(TLineReader::kBufferSize - 1 - content.size() % TLineReader::kBufferSize, 'y');
  content += split + "\r\nlast";
  expected.push_back(split);
  expected.push_back("last");
  EXPECT_EQ(RunList(content), 0);
  EXPECT_EQ(Started(), expected);
  const auto& reads = Sim::FileReadRequests();
  EXPECT_EQ(reads.size(), content.size() / TLineReader::kBufferSize + 2);  // the last read finds the end
  for (std::size_t i = 0; i < reads.size(); ++i) EXPECT_EQ(reads[i], TLineReader::kBufferSize) << "read " << i;
}

TEST(ExecuteListFile, HandsNoLineOnThatIsLongerThanTheProgramStartOrTheShellTakes) {
  RegisterBrowser();
  const std::string browserLine = kBrowser + " ";
  struct Row {
    std::string line;
    bool started;  // handed to CreateProcessA (32,766 characters at most)
    bool opened;   // handed to the shell (2,083 characters at most)
  } rows[] = {
      {"C:\\" + std::string(2080, 'a'), true, true},
      {"C:\\" + std::string(2081, 'a'), true, false},
      {"C:\\" + std::string(32763, 'a'), true, false},
      {"C:\\" + std::string(32764, 'a'), false, false},
      {"http://a.example/" + std::string(32766 - browserLine.size() - 17, 'a'), true, false},
      {"http://a.example/" + std::string(32767 - browserLine.size() - 17, 'a'), false, false},
      {"C:\\" + std::string(1000, '\x81') + "\\", true, true},  // 1,002 characters of 2,003 bytes
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    RegisterBrowser();
    EXPECT_EQ(RunList(rows[i].line + "\r\nnext"), 0) << "row " << i;
    bool address = rows[i].line.starts_with("http:");
    std::string text = address ? browserLine + rows[i].line : rows[i].line;
    Strings started = rows[i].started ? Strings{text, "next"} : Strings{"next"};
    Strings opened = rows[i].opened ? Strings{text, "next"} : Strings{"next"};
    if (address && rows[i].started) opened = Strings{"next"};  // the browser was started
    EXPECT_EQ(Started(), started) << "row " << i;
    EXPECT_EQ(ShellOpened(), opened) << "row " << i;
  }
}

TEST(ExecuteListFile, OpensAHundredThousandAddressesInOrder) {
  RegisterBrowser();
  std::string content;
  Strings expected;
  for (int i = 0; i < 100000; ++i) {
    std::string address = "http://a.example/" + std::to_string(i);
    content += address + "\r\n";
    expected.push_back(kBrowser + " " + address);
  }
  EXPECT_EQ(RunList(content), 0);
  EXPECT_EQ(Started(), expected);
  EXPECT_EQ(Sim::ShellRequests().size(), 0u);
  EXPECT_EQ(Sim::OpenProcessHandles(), 0);
}

TEST(ExecuteListFile, OpensAPathLongerThan259BytesWhole) {
  std::string folder = "C:\\Lists\\" + std::string(130, 'a') + "\\" + std::string(130, 'b');
  std::string path = folder + "\\list.vlf";
  ASSERT_GT(path.size(), 259u);
  WriteList("entry", path);
  EXPECT_EQ(RunLauncher("\"" + path + "\""), 0);
  EXPECT_EQ(ShellOpened(), (Strings{"entry"}));
}

// Input/output errors: the launcher ends at once with the low eight bits of the error and
// runs no later list file; another program's reading handle and a broken pipe are no error.
TEST(ExecuteListFile, EndsAtAnInputOutputErrorWithItsLowEightBits) {
  const std::string second = "C:\\Lists\\second.vlf";
  const auto failRead = [](Win::DWORD error) {
    return [error] { Sim::FailReadsAt(kList, 7, error); };  // "first\r\n" is read, then the read fails
  };
  struct Row {
    std::function<void()> arrange;
    int exitCode;
    Strings opened;
  } rows[] = {
      {[] { Sim::OpenElsewhere(kList, Win::GENERIC_WRITE, Win::FILE_SHARE_READ | Win::FILE_SHARE_WRITE); }, 32, {}},
      {[] { Sim::OpenElsewhere(kList, Win::GENERIC_READ, Win::FILE_SHARE_READ); }, 0,
       {"first", "second line", "next list"}},
      {[] { Sim::DenyAccess(kList); }, 5, {}},
      {[] { Sim::BeforeNextFileOpen([] { Win::DeleteFileA(kList.c_str()); }); }, 2, {}},
      {failRead(23), 23, {"first"}},
      {failRead(0x120), 0x20, {"first"}},
      {failRead(0x200), 255, {"first"}},  // a low byte of 0 would read as success
      {failRead(0x4FF), 0xFF, {"first"}},
      {[] { Sim::FailReadsAt(kList, 10, Win::ERROR_BROKEN_PIPE); }, 0, {"first", "sec", "next list"}},
      {[] { Sim::FailClosing(kList, Win::ERROR_INVALID_HANDLE); }, 6, {"first", "second line"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    WriteList("first\r\nsecond line\r\n");
    WriteList("next list", second);
    rows[i].arrange();
    EXPECT_EQ(RunLauncher(kList + " " + second), rows[i].exitCode) << "row " << i;
    EXPECT_EQ(ShellOpened(), rows[i].opened) << "row " << i;
    if (rows[i].opened.empty()) {
      EXPECT_EQ(Sim::Activity(), Strings{}) << "row " << i;
    }
  }
}

}  // namespace
