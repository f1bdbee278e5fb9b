// Windows only: Vorla.exe itself under Wine (a Japanese system, code page 932), with the
// probe registered as the browser: the worked example run and checked, the arguments it
// runs and passes over, a list file it cannot read, and many launchers at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "E2e.h"

using namespace E2e;

namespace {

// data/worked-example.vlf and what its lines name: the browser, a probe in a folder with
// blanks, beside a console program "Program.exe" that an unquoted path would start; the
// console probe as %VORLA_E2E_PROGRAM%; as %VORLA_E2E_MEMO% a document of a file type of
// the test's own (.vorlamemo), which the probe opens.
class WorkedExample : public ::testing::Test {
 protected:
  WorkedExample() {
    folder_.Write("Program Files\\Web Browser\\");
    CopyFileA(ProbePath().c_str(), browserPath_.c_str(), FALSE);
    CopyFileA(ConsoleProbePath().c_str(), (folder_.Path() + "Program.exe").c_str(), FALSE);
    SetEnvironmentVariableA("VORLA_E2E_PROGRAM", ConsoleProbePath().c_str());
    SetEnvironmentVariableA("VORLA_E2E_MEMO", memo_.c_str());
  }
  ~WorkedExample() override {
    SetEnvironmentVariableA("VORLA_E2E_PROGRAM", nullptr);
    SetEnvironmentVariableA("VORLA_E2E_MEMO", nullptr);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".vorlamemo");  // the keys that memoType_ and memoOpen_ made
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VorlaE2EMemo");
  }

  TempFolder folder_;
  ScopedRegistryValue memoType_{HKEY_CLASSES_ROOT, ".vorlamemo", "VorlaE2EMemo"};
  ScopedRegistryValue memoOpen_{HKEY_CLASSES_ROOT, "VorlaE2EMemo\\shell\\open\\command",
                                Quoted(ProbePath()) + " \"%1\""};
  std::string browserPath_ = folder_.Path() + "Program Files\\Web Browser\\browser.exe";
  ProbeBrowser browser_{browserPath_};
  std::string memo_ = folder_.Write("memo.vorlamemo", "memo");
  std::string list_ = SourcePath("tests/e2e/data/worked-example.vlf");
};

TEST_F(WorkedExample, TheLauncherRunsItInOrderWithItsPauses) {
  ULONGLONG started = GetTickCount64();
  EXPECT_EQ(RunLauncher(Quoted(list_)), 0u);
  EXPECT_GE(GetTickCount64() - started, 10500u - 20u);  // wait=500 and WAIT=20000, which pauses 10000 ms
  // The launcher waits for the window programs it starts; the shell and a console program
  // may log later. A second start of the console program would come too.
  std::map<std::string, unsigned long long> startedAt;
  Strings byLauncher, byShell;
  for (const auto& start : browser_.AwaitStarts(6, 1000)) {
    std::string seen = start.program.substr(start.program.rfind('\\') + 1) + " " + start.Arguments();
    startedAt[seen] = start.timeMs;
    (start.ByShell() ? byShell : byLauncher).push_back(seen);
  }
  EXPECT_EQ(byLauncher, (Strings{"browser.exe http://a.example/news", "browser.exe http://b.example/",
                                 "browser.exe www.c.example", "vorla_probe_console.exe notepad"}));
  std::sort(byShell.begin(), byShell.end());
  EXPECT_EQ(byShell, (Strings{"browser.exe \"https://a.example/mail\"", "vorla_probe.exe \"" + memo_ + "\""}));
  // The long pause stands between these two; 20 ms for the clocks' grain.
  unsigned long long longPause =
      startedAt["browser.exe \"https://a.example/mail\""] - startedAt["browser.exe www.c.example"];
  EXPECT_GE(longPause, 10000u - 20u);
  EXPECT_LT(longPause, 20000u);
}

TEST_F(WorkedExample, TheCheckerReportsEachLineAsTheLauncherRunsItAndStartsNothing) {
  Output output = RunCaptured(Quoted(CheckerPath()) + " " + Quoted(list_));
  EXPECT_EQ(output.exitCode, 1u);
  EXPECT_EQ(output.text, ExpectedText("worked-example.report", {{"list", list_},
                                                                {"browser", browserPath_},
                                                                {"program", ConsoleProbePath()},
                                                                {"memo", memo_},
                                                                {"probe", ProbePath()}}));
  EXPECT_TRUE(browser_.Starts().empty());
}

TEST(LauncherE2e, RunsTheArgumentsThatNameListFilesInOrderAndPassesOverTheRest) {
  TempFolder folder;
  ProbeBrowser browser;
  folder.Write("old.txt\\");
  const Strings arguments = {
      folder.Write("My Lists\\毎日 の一覧.vlf", "http://a.example/daily\r\nwww.b.example\r\n"),
      folder.Write("first.TXT", "http://a.example/first\r\n"),
      folder.Write("notes.doc", "http://a.example/doc\r\n"),
      folder.Path() + "old.txt",
      folder.Path() + "missing.vlf",
      folder.Write("second.url", "[InternetShortcut]\r\nURL=http://a.example/second\r\n"),
  };
  std::string commandLine;
  for (const auto& argument : arguments) commandLine += Quoted(argument) + " ";
  EXPECT_EQ(RunLauncher(commandLine), 0u);
  // "[InternetShortcut]" is an entry too: it names no program, and the shell cannot open it.
  EXPECT_EQ(browser.Arguments(), (Strings{"http://a.example/daily", "www.b.example", "http://a.example/first",
                                          "http://a.example/second"}));
}

// The launcher ends at once with the error's code and runs no later file; the checker
// gives the system's reason, says so, and goes on.
TEST(LauncherE2e, AListFileLockedForWritingEndsTheLauncherWith32) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string locked = folder.Write("locked.vlf", "http://a.example/locked\r\n");
  std::string next = folder.Write("next.vlf", "http://a.example/next\r\n"), missing = folder.Path() + "missing.vlf";
  HANDLE writer = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(RunLauncher(Quoted(locked) + " " + Quoted(next)), 32u);
  Output checked = RunCaptured(Quoted(CheckerPath()) + " " + Quoted(locked) + " " + Quoted(missing));
  CloseHandle(writer);
  EXPECT_EQ(browser.Arguments(), Strings{});
  EXPECT_EQ(checked.exitCode, 2u);
  // The system's reasons, as the platform words them, give way to "{reason}".
  for (std::size_t at = 0; (at = checked.text.find("開けません: ", at)) != std::string::npos;) {
    at += std::strlen("開けません: ");
    checked.text.replace(at, checked.text.find(" (エラー", at) - at, "{reason}");
  }
  EXPECT_EQ(checked.text, ExpectedText("locked.report", {{"locked", locked}, {"missing", missing}}));
}

// The first to take the mutex "Vorla Exists" executes its list; every other one ends at
// once with exit code 0 and opens nothing, while the first still pauses.
TEST(LauncherE2e, OfTwentyLaunchersStartedAtOnceExactlyOneExecutesItsList) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string list = folder.Write("list.vlf", "wait=5000\r\nhttp://a.example/once\r\n");
  std::vector<std::unique_ptr<Process>> launchers;
  for (int i = 0; i < 20; ++i) {
    launchers.push_back(std::make_unique<Process>(Quoted(LauncherPath()) + " " + Quoted(list)));
  }
  auto running = [&] {
    return std::count_if(launchers.begin(), launchers.end(), [](const auto& launcher) { return launcher->Running(); });
  };
  for (int attempt = 0; running() > 1 && attempt < 250; ++attempt) Sleep(20);
  EXPECT_EQ(running(), 1);
  EXPECT_TRUE(browser.Starts().empty()) << "the list ran before the others had ended";
  for (std::size_t i = 0; i < launchers.size(); ++i) EXPECT_EQ(launchers[i]->Wait(), 0u) << "launcher " << i;
  browser.AwaitStarts(1, 500);  // and a second start that might still come
  EXPECT_EQ(browser.Arguments(), Strings{"http://a.example/once"});
}

}  // namespace
