// Windows only: Vorla.exe under Wine fed what a careless user or another program can give
// it: huge, binary and broken list files, a path too long for the ANSI calls, browser
// registrations of the wrong type. Each run ends as it should, with exit code 0, having
// opened exactly what it should.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;
using namespace std::string_literals;

namespace {

TEST(HostileInputE2e, ListFiles) {
  // Random lines of at most 512 bytes: Wine's shell overruns its stack on a text of about
  // 980 characters or more, which Windows' shell takes (docs/RELIABILITY.md).
  std::string randomLines = RandomBytes(16 * 1024, 7), manyLines;
  for (std::size_t lineStart = 0, i = 0; i < randomLines.size(); ++i) {
    if (randomLines[i] == '\n') lineStart = i + 1;
    if (i - lineStart == 512) randomLines[lineStart = i] = '\n';
  }
  Strings everyThousandth;
  for (int i = 1; i <= 20000; ++i) {
    manyLines += i % 1000 != 0 ? ";\r\n" : "http://a.example/" + std::to_string(i) + "\r\n";
  }
  for (int i = 1000; i <= 20000; i += 1000) everyThousandth.push_back("http://a.example/" + std::to_string(i));
  const struct Row {
    const char* input;
    std::string content;
    Strings opened;
  } rows[] = {
      // No program start and no shell takes a line of 50 MB: it is passed over.
      {"one line of 50 MB", "http://a.example/" + std::string(50 << 20, 'a') + "\r\nhttp://a.example/after\r\n",
       {"http://a.example/after"}},
      {"zero bytes in lines",
       "http://a.example/zero\0tail\r\n\0\0http://a.example/led\r\n\0\0\0\r\nwww.b.example/\0\r\n"s,
       {"http://a.example/zero", "http://a.example/led", "www.b.example/"}},
      {"16 KB of random bytes", randomLines, {}},
      // Wine hands no lead byte without its second byte on to the browser.
      {"a lead byte ending a line and the file",
       "http://a.example/\x81\r\nwait\x81\x40\r\nurl\x81\r\nwww.b.example/\x81",
       {"http://a.example/", "www.b.example/"}},
      {"20,000 lines, every thousandth an address", manyLines, everyThousandth},
  };
  for (const auto& row : rows) {
    TempFolder folder;
    ProbeBrowser browser;
    EXPECT_EQ(RunLauncher(Quoted(folder.Write("hostile.vlf", row.content))), 0u) << row.input;
    EXPECT_EQ(browser.LauncherArguments(), row.opened) << row.input;
  }
}

// Made through the wide calls with "\\?\", which know no limit of 260 characters; the
// programs' ANSI calls cannot reach such a path: it is passed over.
TEST(HostileInputE2e, AListFilePathOfOver300Bytes) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string deep = folder.Path() + std::string(250, 'd'), list = deep + "\\" + std::string(40, 'l') + ".vlf";
  ASSERT_GE(list.size(), 300u);
  ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + Wide(deep)).c_str(), nullptr));
  HANDLE file = CreateFileW((L"\\\\?\\" + Wide(list)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "http://a.example/deep\r\n", 23, &written, nullptr);
  CloseHandle(file);
  for (const std::string& argument : {list, "\\\\?\\" + list}) {
    EXPECT_EQ(RunLauncher(Quoted(argument)), 0u) << argument;
  }
  EXPECT_EQ(browser.Arguments(), Strings{});
  DeleteFileW((L"\\\\?\\" + Wide(list)).c_str());
  RemoveDirectoryW((L"\\\\?\\" + Wide(deep)).c_str());
}

// A verb or command of the wrong type counts as missing; a string without its zero is read
// whole. Without a browser the line goes to the shell, which has its own ways with the keys;
// the checker says what the launcher does.
TEST(HostileInputE2e, BrowserRegistrationsOfTheWrongTypeOrWithoutTheirZero) {
  TempFolder folder;
  ProbeBrowser browser;
  const std::string probeCommand = Quoted(ProbePath()) + " \"%1\"";
  const struct Row {
    const char* input;
    const char* keyPath;
    DWORD type;
    std::string data;
    bool browserFound;
  } rows[] = {
      {"a DWORD verb", "http\\shell", REG_DWORD, "\1\0\0\0"s, true},
      {"a binary verb", "http\\shell", REG_BINARY, "open", true},
      {"a verb without its zero", "http\\shell", REG_SZ, "open", true},
      {"a verb without its key", "http\\shell", REG_SZ, "nothere", true},
      {"a verb of 5,000 bytes", "http\\shell", REG_SZ, std::string(5000, 'v'), true},
      {"a command without its zero", "http\\shell\\open\\command", REG_SZ, probeCommand, true},
      {"an expandable command", "http\\shell\\open\\command", REG_EXPAND_SZ, probeCommand + '\0', false},
      {"a multi-string command", "http\\shell\\open\\command", REG_MULTI_SZ, probeCommand + '\0' + '\0', false},
      {"a binary command", "http\\shell\\open\\command", REG_BINARY, RandomBytes(300, 3), false},
      {"an empty command", "http\\shell\\open\\command", REG_SZ, "", false},
      {"a command of 5,000 lead bytes", "http\\shell\\open\\command", REG_SZ, std::string(5000, '\x81'), false},
      {"a command naming no program", "http\\shell\\open\\command", REG_SZ, "nobrowser \"%1\"\0"s, false},
  };
  Strings expected;
  for (const auto& row : rows) {
    std::string address = "http://a.example/" + std::to_string(&row - rows);
    std::string list = folder.Write("row.vlf", address + "\r\n");
    ScopedRegistryValue value(HKEY_CLASSES_ROOT, row.keyPath, row.type, row.data);
    EXPECT_EQ(RunLauncher(Quoted(list)), 0u) << row.input;
    if (row.browserFound) expected.push_back(address);
    EXPECT_EQ(browser.LauncherArguments(), expected) << row.input;
    EXPECT_EQ(RunCaptured(Quoted(CheckerPath()) + " " + Quoted(list)).text,
              ExpectedText(row.browserFound ? "browser.report" : "no-browser.report",
                           {{"list", list}, {"probe", ProbePath()}, {"address", address}}))
        << row.input;
  }
  Sleep(500);  // shell starts that are still on their way
}

}  // namespace
