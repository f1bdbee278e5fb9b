// Windows only: Vorla.exe under Wine fed what a careless user or another program can give
// it: huge, binary and broken list files, a path too long for the ANSI calls, browser
// registrations of the wrong type, after the browser the user chose. Each run ends as it
// should, with exit code 0, having opened exactly what it should.
#include <gtest/gtest.h>

#include <filesystem>

#include "E2e.h"

using namespace E2e;
using namespace std::string_literals;

namespace {

TEST(HostileInputE2e, ListFiles) {
  // Random lines of at most 512 bytes: Wine's shell overruns its stack on a text of about
  // 980 characters or more, which Windows' shell takes (docs/RELIABILITY.md).
  std::string randomLines, manyLines;
  for (unsigned seed = 0; seed < 32; ++seed) randomLines += RandomBytes(511, seed) + '\n';
  Strings everyThousandth;
  for (int i = 1000; i <= 20000; i += 1000) everyThousandth.push_back("http://a.example/" + std::to_string(i));
  for (const auto& address : everyThousandth) manyLines += std::string(999, '\n') + address + "\r\n";
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
    EXPECT_EQ(browser.Arguments(), row.opened) << row.input;
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
  ASSERT_TRUE(std::ofstream(std::filesystem::path(L"\\\\?\\" + Wide(list))) << "http://a.example/deep\r\n");
  for (const std::string& path : {list, "\\\\?\\" + list}) EXPECT_EQ(RunLauncher(Quoted(path)), 0u) << path;
  EXPECT_EQ(browser.Arguments(), Strings{});
  DeleteFileW((L"\\\\?\\" + Wide(list)).c_str());
  RemoveDirectoryW((L"\\\\?\\" + Wide(deep)).c_str());
}

// The browser the user chose (the ProgId in the http protocol's UserChoice) opens a list's
// address; when its class names no program that exists, the browser of the http class does,
// as before. A verb or command of the wrong type counts as missing; a string without its zero
// is read whole. Without a browser the line goes to the shell, which has its own ways with
// the keys; the checker says what the launcher does.
TEST(HostileInputE2e, BrowserRegistrationsTheUsersChoiceFirstAndOfTheWrongTypeOrWithoutTheirZero) {
  TempFolder folder;
  ProbeBrowser browser;  // the http class's browser
  const std::string probe = ProbePath(), probeCommand = Quoted(probe) + " \"%1\"";
  const std::string chosen = folder.Write("chosen.exe", ReadAll(probe));  // a browser of its own name
  const char* const chosenCommand = "VorlaTestHTML\\shell\\open\\command";
  ScopedRegistryValue choice(HKEY_CURRENT_USER,
                             "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice",
                             "VorlaTestHTML", "ProgId");
  const struct Row {
    const char* input;
    const char* keyPath;
    DWORD type;
    std::string data;
    std::string program;  // that opens the address; empty: none
    const char* valueName = "";
  } rows[] = {
      {"the chosen class's command", chosenCommand, REG_SZ, Quoted(chosen) + " --url \"%1\"\0"s, chosen},
      // A packaged app registers its verb for COM only.
      {"the chosen class's verb for COM only", chosenCommand, REG_SZ, "{4ED3A719-CEA8-4BD9-910D-E252F997AFC2}\0"s,
       probe, "DelegateExecute"},
      {"the chosen class's program missing", chosenCommand, REG_SZ,
       Quoted(folder.Path() + "missing.exe") + " \"%1\"\0"s, probe},
      {"a binary verb", "http\\shell", REG_BINARY, "open", probe},
      {"a verb without its zero", "http\\shell", REG_SZ, "open", probe},
      {"a verb without its key", "http\\shell", REG_SZ, "nothere", probe},
      {"a verb of 5,000 bytes", "http\\shell", REG_SZ, std::string(5000, 'v'), probe},
      {"a command without its zero", "http\\shell\\open\\command", REG_SZ, probeCommand, probe},
      {"an expandable command", "http\\shell\\open\\command", REG_EXPAND_SZ, probeCommand + '\0', ""},
      {"an empty command", "http\\shell\\open\\command", REG_SZ, "", ""},
      {"a command of 5,000 lead bytes", "http\\shell\\open\\command", REG_SZ, std::string(5000, '\x81'), ""},
      {"a command naming no program", "http\\shell\\open\\command", REG_SZ, "nobrowser \"%1\"\0"s, ""},
  };
  Strings expected;
  for (const auto& row : rows) {
    std::string address = "http://a.example/" + std::to_string(&row - rows);
    std::string list = folder.Write("row.vlf", address + "\r\n");
    ScopedRegistryValue value(HKEY_CLASSES_ROOT, row.keyPath, row.type, row.data, row.valueName);
    EXPECT_EQ(RunLauncher(Quoted(list)), 0u) << row.input;
    if (!row.program.empty()) expected.push_back(row.program + " " + address);
    Strings opened;  // by the launcher itself
    for (const auto& start : browser.Starts()) {
      if (!start.ByShell()) opened.push_back(start.program + " " + start.Arguments());
    }
    EXPECT_EQ(opened, expected) << row.input;
    EXPECT_EQ(RunCaptured(Quoted(CheckerPath()) + " " + Quoted(list)).text,
              ExpectedText(row.program.empty() ? "no-browser.report" : "browser.report",
                           {{"list", list}, {"probe", row.program}, {"address", address}}))
        << row.input;
  }
  Sleep(500);  // shell starts that are still on their way
}

}  // namespace
