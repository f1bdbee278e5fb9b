// Windows only: Vorla.exe itself under Wine (a Japanese system, code page 932), with the
// probe registered as the browser: list files run to their end, pauses, exit codes, a
// second launcher, and the program's resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "E2e.h"

using namespace E2e;
using Strings = std::vector<std::string>;

namespace {

unsigned long long NowMs() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

bool EndsWithName(const std::string& path, const std::string& name) {
  return path.size() >= name.size() && lstrcmpiA(path.c_str() + path.size() - name.size(), name.c_str()) == 0;
}

TEST(LauncherE2e, RunsAListOfTenLinesInOrderWithItsPauses) {
  TempFolder folder;
  ProbeBrowser browser;
  // A document type of the test's own, opened by the probe, stands in for a text file.
  ScopedRegistryValue memoType(HKEY_CLASSES_ROOT, ".vorlamemo", "", "VorlaE2EMemo");
  ScopedRegistryValue memoOpen(HKEY_CLASSES_ROOT, "VorlaE2EMemo\\shell\\open\\command", "",
                               Quoted(ProbePath()) + " \"%1\"");
  SetEnvironmentVariableA("VORLA_E2E_PROBE", ProbePath().c_str());
  std::string memo = folder.Write("Lists\\memo.vorlamemo", "memo");
  std::string list = folder.Write("Lists\\朝.vlf",
                                  "; 朝のページ\r\n"
                                  "wait=500\r\n"
                                  "http://a.example/news\r\n"
                                  "URL=http://b.example/\r\n"
                                  "   www.c.example\r\n"
                                  "WAIT=20000\r\n"
                                  "https://a.example/mail\r\n"
                                  "%VORLA_E2E_PROBE% notepad\r\n"
                                  "wait=soon\r\n" +
                                      memo + "\r\n");
  unsigned long long started = NowMs();
  EXPECT_EQ(RunLauncher(Quoted(list)), 0u);
  // The launcher waits for the programs it starts itself; the shell may start its own later.
  auto starts = browser.AwaitStarts(6, 500);
  std::map<std::string, unsigned long long> startedAt;
  Strings launcherStarts, shellStarts;
  for (const auto& start : starts) {
    startedAt[start.Arguments()] = start.timeMs;
    (start.Arguments()[0] == '"' ? shellStarts : launcherStarts).push_back(start.Arguments());
  }
  EXPECT_EQ(launcherStarts, (Strings{"http://a.example/news", "http://b.example/", "www.c.example", "notepad"}));
  std::sort(shellStarts.begin(), shellStarts.end());
  EXPECT_EQ(shellStarts, (Strings{"\"" + memo + "\"", "\"https://a.example/mail\""}));
  ASSERT_EQ(starts.size(), 6u);
  EXPECT_GE(startedAt["http://a.example/news"] - started, 500u - 20u);  // 20 ms for the clocks' granularity
  unsigned long long longPause = startedAt["\"https://a.example/mail\""] - startedAt["www.c.example"];
  EXPECT_GE(longPause, 10000u - 20u);
  EXPECT_LT(longPause, 20000u);  // WAIT=20000 pauses 10000 ms
  EXPECT_LT(startedAt["\"" + memo + "\""] - startedAt["notepad"], 5000u);  // wait=soon: no pause
  SetEnvironmentVariableA("VORLA_E2E_PROBE", nullptr);
}

TEST(LauncherE2e, AListFileLockedForWritingEndsWith32AndOpensNothing) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string locked = folder.Write("locked.vlf", "http://a.example/locked\r\n");
  std::string next = folder.Write("next.vlf", "http://a.example/next\r\n");
  HANDLE writer = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(RunLauncher(Quoted(locked) + " " + Quoted(next)), 32u);
  CloseHandle(writer);
  EXPECT_EQ(browser.Arguments(), Strings{});
}

TEST(LauncherE2e, ASecondLauncherEndsAtOnceWhileTheFirstPauses) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string first = folder.Write("first.vlf", "wait=6000\r\nhttp://a.example/first\r\n");
  std::string second = folder.Write("second.vlf", "http://a.example/second\r\n");
  Process firstLauncher(Quoted(LauncherPath()) + " " + Quoted(first));
  ASSERT_TRUE(firstLauncher.Started());
  HANDLE mutex = nullptr;
  for (int i = 0; i < 500 && mutex == nullptr; ++i) {
    mutex = OpenMutexA(SYNCHRONIZE, FALSE, "Vorla Exists");
    if (mutex == nullptr) Sleep(10);
  }
  ASSERT_NE(mutex, nullptr) << "the first launcher never took its mutex";
  CloseHandle(mutex);
  EXPECT_EQ(RunLauncher(Quoted(second)), 0u);
  EXPECT_TRUE(firstLauncher.Running()) << "the second launcher waited for the first";
  EXPECT_EQ(firstLauncher.Wait(), 0u);
  EXPECT_EQ(browser.Arguments(), Strings{"http://a.example/first"});
}

TEST(LauncherE2e, PassesOverArgumentsThatNameNoListFile) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string first = folder.Write("first.TXT", "http://a.example/first\r\n");
  std::string second = folder.Write("second.url", "[InternetShortcut]\r\nURL=http://a.example/second\r\n");
  Strings passedOver = {
      folder.Write("notes.doc", "http://a.example/doc\r\n"),
      folder.Write("archive.vlf.bak", "http://a.example/bak\r\n"),
      folder.Write("lists.d\\readme", "http://a.example/readme\r\n"),
      folder.MakeFolder("old.txt"),
      folder.Path() + "missing.vlf",
  };
  std::string arguments = Quoted(first);
  for (const auto& path : passedOver) arguments += " " + Quoted(path);
  EXPECT_EQ(RunLauncher(arguments + " " + Quoted(second)), 0u);
  // "[InternetShortcut]" is an entry too: it names no program, and the shell cannot open it.
  EXPECT_EQ(browser.Arguments(), (Strings{"http://a.example/first", "http://a.example/second"}));
  std::string none;
  for (const auto& path : passedOver) none += " " + Quoted(path);
  EXPECT_EQ(RunLauncher(none), 0u);
  EXPECT_EQ(browser.Starts().size(), 2u);
}

TEST(LauncherE2e, RunsAQuotedPathWithBlanks) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string list = folder.Write("My Lists\\毎日 の一覧.vlf", "http://a.example/daily\r\nwww.b.example\r\n");
  EXPECT_EQ(RunLauncher(Quoted(list)), 0u);
  EXPECT_EQ(browser.Arguments(), (Strings{"http://a.example/daily", "www.b.example"}));
}

TEST(LauncherE2e, StartsAConsoleProgramOnce) {
  TempFolder folder;
  ProbeBrowser browser;
  // The console program never gets ready for input; the window program after it marks
  // the end of the list.
  std::string list = folder.Write("console.vlf", ConsoleProbePath() + " console-line\r\n" + ProbePath() + " marker\r\n");
  EXPECT_EQ(RunLauncher(Quoted(list)), 0u);
  // A console program may log after the launcher has ended; a second start would come too.
  auto starts = browser.AwaitStarts(2, 1000);
  Strings arguments;
  for (const auto& start : starts) arguments.push_back(start.Arguments());
  std::sort(arguments.begin(), arguments.end());
  EXPECT_EQ(arguments, (Strings{"console-line", "marker"}));
}

TEST(LauncherE2e, StartsABrowserInAFolderWithBlanksNotAProgramNamedByAPrefix) {
  TempFolder folder;
  std::string browserPath = folder.Path() + "Program Files\\Web Browser\\browser.exe";
  std::string decoy = folder.Path() + "Program.exe";
  folder.MakeFolder("Program Files\\Web Browser");
  ASSERT_TRUE(CopyFileA(ProbePath().c_str(), browserPath.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(ConsoleProbePath().c_str(), decoy.c_str(), FALSE));
  ProbeBrowser browser(browserPath);
  std::string list = folder.Write("blank.vlf", "http://a.example/blank\r\n");
  EXPECT_EQ(RunLauncher(Quoted(list)), 0u);
  auto starts = browser.Starts();
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_TRUE(EndsWithName(starts[0].program, "\\Web Browser\\browser.exe")) << starts[0].program;
  EXPECT_EQ(starts[0].Arguments(), "http://a.example/blank");
}

// The icon groups of Vorla.exe, in resource order.
BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<Strings*>(names)->push_back(IS_INTRESOURCE(name) ? "#" : name);
  return TRUE;
}

TEST(LauncherE2e, IsAWindowlessProgramWithItsTwoIconGroupsInOrder) {
  HMODULE program = LoadLibraryExA(LauncherPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  Strings names;
  EnumResourceNamesA(program, RT_GROUP_ICON, AddName, reinterpret_cast<LONG_PTR>(&names));
  EXPECT_EQ(names, (Strings{"VLEXEICO", "VLFILEICO"}));
  for (const auto& name : names) {
    HRSRC found = FindResourceA(program, name.c_str(), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr) << name;
    auto* group = static_cast<const BYTE*>(LockResource(LoadResource(program, found)));
    for (int size : {16, 32}) {
      EXPECT_NE(LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, size, size, LR_DEFAULTCOLOR), 0)
          << name << " " << size;
    }
  }
  FreeLibrary(program);
  // GUI subsystem: no console is made for it.
  HANDLE file = CreateFileA(LauncherPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  std::string image(4096, '\0');
  DWORD count = 0;
  ReadFile(file, image.data(), static_cast<DWORD>(image.size()), &count, nullptr);
  CloseHandle(file);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
