// Windows only: VLCheck.exe itself under Wine (a Japanese system, code page 932), with the
// probe registered as the browser: its report on a list with one line of each problem it
// warns of and on no list; that it starts and changes nothing, and its console kept open.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;

namespace {

Output RunChecker(const std::string& list) { return RunCaptured(Quoted(CheckerPath()) + " " + Quoted(list)); }

// tests/e2e/data/problems.vlf holds one line of each problem: a name in UTF-8 with a
// character code page 932 lacks, an address in capitals, in full-width letters, without its
// "h", behind "https:", after "url=" and a blank, a zero byte, a misspelt program, a pause
// above 10000 ms, a pause that is no number, and a Ctrl-Z with a line after it.
TEST(CheckerE2e, WarnsOfEveryProblemOfTheProblemListAndChangesNothing) {
  ProbeBrowser browser;
  std::string list = SourcePath("tests/e2e/data/problems.vlf");
  std::string before = ReadAll(list);
  Output output = RunChecker(list);
  EXPECT_EQ(output.exitCode, 1u);
  EXPECT_EQ(output.text, ExpectedText("problems.report", {{"list", list}, {"probe", ProbePath()}}));
  EXPECT_TRUE(browser.Starts().empty());  // nothing was started
  EXPECT_EQ(ReadAll(list), before);
}

TEST(CheckerE2e, WithoutAListShowsHowToUseItAndEndsWith2) {
  Output usage = RunCaptured(Quoted(CheckerPath()));
  EXPECT_EQ(usage.exitCode, 2u);
  EXPECT_EQ(usage.text.rfind("使い方: VLCheck リストファイル...\r\n", 0), 0u) << usage.text;
}

// Started by a double click, it has a console of its own, kept open until a key is pressed.
TEST(CheckerE2e, KeepsAConsoleOfItsOwnOpenUntilAKeyIsPressed) {
  Process checker(Quoted(CheckerPath()) + " " + Quoted(SourcePath("examples/sample.vlf")), CREATE_NEW_CONSOLE);
  Sleep(2000);
  ASSERT_TRUE(checker.Running()) << "it closed without waiting for a key";
  FreeConsole();
  ASSERT_TRUE(AttachConsole(checker.Id()));
  HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  INPUT_RECORD key{.EventType = KEY_EVENT, .Event = {.KeyEvent = {TRUE, 1, 'A', 0, {'a'}, 0}}};
  DWORD written = 0;
  EXPECT_TRUE(WriteConsoleInputA(input, &key, 1, &written));
  CloseHandle(input);
  FreeConsole();
  EXPECT_EQ(checker.Wait(10000), 0u);
}

}  // namespace
