// Windows only: Vorla.exe itself under Wine (a Japanese system, code page 932), with the
// probe registered as the browser: the worked example run and checked, the arguments it
// runs and passes over, a list file it cannot read, many launchers at once, and lists
// saved as UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>

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
  std::string browserPath_ = folder_.Write("Program Files\\Web Browser\\") + "browser.exe";
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
  EXPECT_EQ(output.text, ExpectedText("worked-example.report", {{"list", list_}, {"browser", browserPath_},
                                                                {"program", ConsoleProbePath()}, {"memo", memo_},
                                                                {"probe", ProbePath()}}));
  EXPECT_TRUE(browser_.Starts().empty());
}

// Every argument that names an existing list file runs, in order, and the rest are passed
// over, until a list file it cannot read (locked for writing): the launcher ends at once with
// the error's code and runs no later file. The checker gives the system's reason, says so,
// and goes on.
TEST(LauncherE2e, RunsTheArgumentsThatNameListFilesInOrderPassesOverTheRestAndEndsWith32AtALockedOne) {
  TempFolder folder;
  ProbeBrowser browser;
  folder.Write("old.txt\\");
  std::string locked = folder.Write("locked.vlf", "http://a.example/locked\r\n");
  std::string missing = folder.Path() + "missing.vlf";
  const Strings arguments = {
      folder.Write("My Lists\\毎日 の一覧.vlf", "http://a.example/daily\r\nwww.b.example\r\n"),
      folder.Write("first.TXT", "http://a.example/first\r\n"),
      folder.Write("notes.doc", "http://a.example/doc\r\n"),
      folder.Path() + "old.txt",
      missing,
      folder.Write("second.url", "[InternetShortcut]\r\nURL=http://a.example/second\r\n"),
      locked,
      folder.Write("next.vlf", "http://a.example/next\r\n"),
  };
  std::string commandLine;
  for (const auto& argument : arguments) commandLine += Quoted(argument) + " ";
  HANDLE writer = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(RunLauncher(commandLine), 32u);
  Output checked = RunCaptured(Quoted(CheckerPath()) + " " + Quoted(locked) + " " + Quoted(missing));
  CloseHandle(writer);
  // "[InternetShortcut]" is an entry too: it names no program, and the shell cannot open it.
  EXPECT_EQ(browser.Arguments(), (Strings{"http://a.example/daily", "www.b.example", "http://a.example/first",
                                          "http://a.example/second"}));
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
  std::deque<Process> launchers;
  for (int i = 0; i < 20; ++i) launchers.emplace_back(Quoted(LauncherPath()) + " " + Quoted(list));
  auto running = [&] {
    return std::count_if(launchers.begin(), launchers.end(), [](const auto& launcher) { return launcher.Running(); });
  };
  for (int attempt = 0; running() > 1 && attempt < 250; ++attempt) Sleep(20);
  EXPECT_EQ(running(), 1);
  EXPECT_TRUE(browser.Starts().empty()) << "the list ran before the others had ended";
  for (std::size_t i = 0; i < launchers.size(); ++i) EXPECT_EQ(launchers[i].Wait(), 0u) << "launcher " << i;
  browser.AwaitStarts(1, 500);  // and a second start that might still come
  EXPECT_EQ(browser.Arguments(), Strings{"http://a.example/once"});
}

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Lists saved as UTF-8 (a Japanese system, code page 932) arrive at the browser and the
// shell in code page 932, with the characters it lacks in percent form in an address; a
// command or document name holding one is not run.
TEST(UnicodeE2e, UTF8ListsWithAndWithoutTheMarkOpenJapaneseAddressesAndDocuments) {
  TempFolder folder;
  // The probe opens text documents: the shell's start of a document is seen.
  ScopedRegistryValue textType(HKEY_CLASSES_ROOT, ".txt", "VorlaE2EText");
  ScopedRegistryValue textOpen(HKEY_CLASSES_ROOT, "VorlaE2EText\\shell\\open\\command", Quoted(ProbePath()) + " \"%1\"");
  std::string memo = folder.Write("メモ.txt", "memo");
  // What a line holding "ü" would name, had it been run with a look-alike or in percent form.
  folder.Write("uber.txt", "decoy");
  folder.Write("%C3%BCber.txt", "decoy");
  const std::string lines = Utf8(u8"http://example.jp/?q=天気\r\n") + folder.Path() + Utf8(u8"メモ.txt\r\n") +
                            Utf8(u8"http://example/über\r\n") + Quoted(ProbePath()) + Utf8(u8" C:\\über.exe\r\n") +
                            folder.Path() + Utf8(u8"über.txt\r\n");
  Strings expected = {"\"" + memo + "\"", "http://example.jp/?q=天気", "http://example/%C3%BCber"};
  for (const std::string& mark : {std::string("\xEF\xBB\xBF"), std::string()}) {
    ProbeBrowser browser;
    std::string list = folder.Write("utf8.vlf", mark + lines);
    ASSERT_EQ(RunLauncher(Quoted(list)), 0u) << "mark: " << !mark.empty();
    Strings arguments;
    for (const auto& start : browser.AwaitStarts(3, 1000)) arguments.push_back(start.Arguments());
    std::sort(arguments.begin(), arguments.end());
    EXPECT_EQ(arguments, expected) << "mark: " << !mark.empty();
  }
}

}  // namespace
