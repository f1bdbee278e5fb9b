// Windows only: Vorla.exe under Wine fed what a careless user or another program can give
// it: huge, binary and broken list files, a path too long for the ANSI calls, 10 MB of
// clipboard text, a garbled Vorla.ini, browser registrations of the wrong type. Each run
// ends as it should, with exit code 0, having opened exactly what it should, and with a
// working set that stays within a bound (the largest is printed with each test).
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>

#include "E2e.h"
#include "win32/ShellLinkFiles.h"
#include "win32/TestFolders.h"

using namespace E2e;
using Strings = std::vector<std::string>;

namespace {

constexpr SIZE_T kMegabyte = 1024 * 1024;

struct Outcome {
  DWORD exitCode;
  SIZE_T peakWorkingSet;  // bytes
};

// Runs the command line to its end, watching the working set of the program meanwhile.
Outcome RunMeasured(const std::string& commandLine, DWORD timeoutMs = 120000) {
  Process program(commandLine);
  SIZE_T peak = 0;
  for (DWORD waited = 0; program.Running() && waited < timeoutMs; waited += 10) {
    peak = std::max(peak, program.PeakWorkingSet());
    Sleep(10);
  }
  Outcome run{program.Wait(0), peak};
  std::printf("    working set at most %.1f MB\n", static_cast<double>(run.peakWorkingSet) / kMegabyte);
  return run;
}

Outcome RunLauncherMeasured(const std::string& arguments) { return RunMeasured(Quoted(LauncherPath()) + " " + arguments); }

// Bytes of a fixed pseudo-random sequence.
std::string RandomBytes(std::size_t count, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// The arguments of the starts the launcher made itself: the shell quotes the address it
// hands to the probe ("%1" in quotes), the launcher does not.
Strings LauncherStarts(const ProbeBrowser& browser) {
  Strings arguments;
  for (const auto& argument : browser.Arguments()) {
    if (argument.empty() || argument[0] != '"') arguments.push_back(argument);
  }
  return arguments;
}

TEST(HostileInputE2e, AListFileOfOne50MegabyteLine) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string address = "http://a.example/" + std::string(50 * kMegabyte, 'a');
  std::string list = folder.Write("huge.vlf", address + "\r\nhttp://a.example/after\r\n");
  Outcome run = RunLauncherMeasured(Quoted(list));
  EXPECT_EQ(run.exitCode, 0u);
  // No program start and no shell takes a line of 50 MB: it is passed over, and the next
  // one goes to the browser.
  EXPECT_EQ(LauncherStarts(browser), Strings{"http://a.example/after"});
  EXPECT_LT(run.peakWorkingSet, 512 * kMegabyte);
}

TEST(HostileInputE2e, LinesWithZeroBytesAreCutThereByThePlatform) {
  TempFolder folder;
  ProbeBrowser browser;
  using namespace std::string_literals;
  std::string list = folder.Write("zero.vlf", "http://a.example/zero\0tail\r\n"s
                                              "\0\0http://a.example/led\r\n"s
                                              "\0\0\0\r\n"s
                                              "www.b.example/\0\r\n"s);
  Outcome run = RunLauncherMeasured(Quoted(list));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(LauncherStarts(browser), (Strings{"http://a.example/zero", "http://a.example/led", "www.b.example/"}));
}

TEST(HostileInputE2e, RandomBinaryContentOpensNothingInTheBrowser) {
  TempFolder folder;
  ProbeBrowser browser;
  // Lines of at most 512 random bytes: Wine's shell overruns its stack on a text of about
  // 980 characters or more, which Windows' shell takes (docs/RELIABILITY.md).
  std::string content = RandomBytes(16 * 1024, 7);
  for (std::size_t lineStart = 0, i = 0; i < content.size(); ++i) {
    if (content[i] == '\n') lineStart = i + 1;
    if (i - lineStart == 512) content[lineStart = i] = '\n';
  }
  std::string list = folder.Write("random.vlf", content);
  Outcome run = RunLauncherMeasured(Quoted(list));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(LauncherStarts(browser), Strings{});
  EXPECT_LT(run.peakWorkingSet, 64 * kMegabyte);
}

TEST(HostileInputE2e, ALeadByteEndingALineOrTheFile) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string list = folder.Write("lead.vlf",
                                  "http://a.example/\x81\r\n"
                                  "wait\x81\x40\r\n"
                                  "url\x81\r\n"
                                  "www.b.example/\x81");
  Outcome run = RunLauncherMeasured(Quoted(list));
  EXPECT_EQ(run.exitCode, 0u);
  Strings starts = LauncherStarts(browser);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[0].substr(0, 17), "http://a.example/");
  EXPECT_EQ(starts[1].substr(0, 14), "www.b.example/");
}

TEST(HostileInputE2e, HundredsOfAddressesOpenInOrder) {
  TempFolder folder;
  ProbeBrowser browser;
  std::string content;
  Strings addresses;
  for (int i = 0; i < 200; ++i) {
    addresses.push_back("http://a.example/" + std::to_string(i));
    content += addresses.back() + "\r\n";
  }
  Outcome run = RunLauncherMeasured(Quoted(folder.Write("many.vlf", content)));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(LauncherStarts(browser), addresses);
  EXPECT_LT(run.peakWorkingSet, 64 * kMegabyte);
}

TEST(HostileInputE2e, AListFilePathOf300BytesIsPassedOver) {
  TempFolder folder;
  ProbeBrowser browser;
  // Made through the wide calls with "\\?\", which know no limit of 260 characters; the
  // programs' ANSI calls cannot reach such a path.
  std::string deep = folder.Path() + std::string(150, 'd') + "\\" + std::string(150 - folder.Path().size() % 50, 'e');
  std::string list = deep + "\\list.vlf";
  ASSERT_GE(list.size(), 300u);
  auto wide = [](const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); };
  ASSERT_TRUE(CreateDirectoryW(wide(deep.substr(0, deep.rfind('\\'))).c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(wide(deep).c_str(), nullptr));
  HANDLE file = CreateFileW(wide(list).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "http://a.example/deep\r\n", 23, &written, nullptr);
  CloseHandle(file);
  for (const std::string& argument : {list, "\\\\?\\" + list}) {
    Outcome run = RunLauncherMeasured(Quoted(argument));
    EXPECT_EQ(run.exitCode, 0u) << argument.size();
  }
  EXPECT_EQ(browser.Arguments(), Strings{});
  DeleteFileW(wide(list).c_str());
  RemoveDirectoryW(wide(deep).c_str());
  RemoveDirectoryW(wide(deep.substr(0, deep.rfind('\\'))).c_str());
}

// A copy of Vorla.exe and VLOption.exe in a folder of their own, with a Vorla.ini.
class Installation {
 public:
  explicit Installation(const std::string& settings) {
    CopyFileA(LauncherPath().c_str(), Launcher().c_str(), FALSE);
    CopyFileA(SettingsPath().c_str(), (folder_.Path() + "VLOption.exe").c_str(), FALSE);
    folder_.Write("Vorla.ini", settings);
  }
  std::string Launcher() const { return folder_.Path() + "Vorla.exe"; }
  std::string SettingsProgram() const { return Quoted(folder_.Path() + "VLOption.exe"); }
  // The option as the platform reads Vorla.ini; "(none)" without one.
  std::string Option() const {
    char value[64] = {};
    GetPrivateProfileStringA("Option", "ExecuteURLInClipboard", "(none)", value, sizeof value,
                             (folder_.Path() + "Vorla.ini").c_str());
    return value;
  }

 private:
  TempFolder folder_;
};

constexpr int kSendToBox = 1002, kClipboardBox = 1003;

bool IsChecked(HWND dialog, int box) {
  return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Runs VLOption.exe: the dialog as it opened (the state of the box), then the clicks, then
// OK. False when no dialog came.
bool ClickAndConfirm(const std::string& commandLine, int box, bool* checkedOnOpening, std::vector<int> clicks) {
  Process program(commandLine);
  HWND dialog = AwaitSettingsWindow(box);
  if (dialog == nullptr) return false;
  *checkedOnOpening = IsChecked(dialog, box);
  for (int click : clicks) Click(dialog, click);
  Press(dialog, IDOK);
  return program.Wait() == 0;
}

TEST(HostileInputE2e, AGarbledOrOverlongVorlaIniReadsAsOffUntilTheDialogWritesIt) {
  const std::string rows[] = {
      RandomBytes(4096, 11),
      "[Option]\r\nExecuteURLInClipboard=" + std::string(5000, '1') + "\r\n",
      "[Option]\r\nExecuteURLInClipboard=0" + std::string(4999, ' ') + "1\r\n",
      "[Option]\r\n" + std::string(5000, 'k') + "=1\r\nExecuteURLInClipboard=x\r\n",
  };
  PutClipboardText("http://a.example/clip\r\n");
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    ProbeBrowser browser;
    Installation installation(rows[i]);
    Outcome run = RunMeasured(Quoted(installation.Launcher()));
    EXPECT_EQ(run.exitCode, 0u) << "row " << i;
    EXPECT_EQ(browser.Arguments(), Strings{}) << "row " << i;
    bool checked = true;
    ASSERT_TRUE(ClickAndConfirm(installation.SettingsProgram(), kClipboardBox, &checked, {kClipboardBox})) << "row " << i;
    EXPECT_FALSE(checked) << "row " << i;
    EXPECT_EQ(installation.Option(), "1") << "row " << i;
    EXPECT_EQ(RunMeasured(Quoted(installation.Launcher())).exitCode, 0u) << "row " << i;
    EXPECT_EQ(browser.Arguments(), Strings{"http://a.example/clip"}) << "row " << i;
  }
}

TEST(HostileInputE2e, TenMegabytesOfClipboardText) {
  ProbeBrowser browser;
  Installation installation("[Option]\r\nExecuteURLInClipboard=1\r\n");
  std::string text = "http://a.example/first\r\n";
  while (text.size() < 5 * kMegabyte) text += "お知らせ: 本日の予定はありません。plain text without an address\r\n";
  text += std::string(5 * kMegabyte, 'x') + " http://a.example/long\r\nhttp://a.example/last";
  PutClipboardText(text);
  Outcome run = RunMeasured(Quoted(installation.Launcher()));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(browser.Arguments(), (Strings{"http://a.example/first", "http://a.example/long", "http://a.example/last"}));
  EXPECT_LT(run.peakWorkingSet, 256 * kMegabyte);
}

TEST(HostileInputE2e, BrowserRegistrationsOfTheWrongTypeOrWithoutTheirZero) {
  TempFolder folder;
  ProbeBrowser browser;
  const std::string probeCommand = Quoted(ProbePath()) + " \"%1\"";
  struct Row {
    const char* keyPath;
    DWORD type;
    std::string data;
    bool browserFound;
  } rows[] = {
      {"http\\shell", REG_DWORD, std::string("\1\0\0\0", 4), true},
      {"http\\shell", REG_BINARY, "open", true},
      {"http\\shell", REG_SZ, "open", true},  // without its zero
      {"http\\shell", REG_SZ, "nothere", true},
      {"http\\shell", REG_SZ, std::string(5000, 'v'), true},
      {"http\\shell\\open\\command", REG_SZ, probeCommand, true},  // without its zero
      {"http\\shell\\open\\command", REG_EXPAND_SZ, probeCommand + '\0', false},
      {"http\\shell\\open\\command", REG_MULTI_SZ, probeCommand + '\0' + '\0', false},
      {"http\\shell\\open\\command", REG_BINARY, RandomBytes(300, 3), false},
      {"http\\shell\\open\\command", REG_SZ, "", false},
      {"http\\shell\\open\\command", REG_SZ, std::string(5000, '\x81'), false},
  };
  Strings expected;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    std::string address = "http://a.example/" + std::to_string(i);
    std::string list = folder.Write("row" + std::to_string(i) + ".vlf", address + "\r\n");
    ScopedRegistryValue value(HKEY_CLASSES_ROOT, rows[i].keyPath, "", rows[i].type, rows[i].data);
    EXPECT_EQ(RunLauncherMeasured(Quoted(list)).exitCode, 0u) << "row " << i;
    if (rows[i].browserFound) expected.push_back(address);
    // Without a browser the line goes to the shell, which has its own ways with the keys.
    EXPECT_EQ(LauncherStarts(browser), expected) << "row " << i;
  }
  browser.AwaitStarts(browser.Starts().size() + 1, 0, 500);  // shell starts that are still on their way
}

// Every link file and folder named like one in Send To, with its bytes (a folder: "\\").
std::map<std::string, std::string> SendToEntries() {
  std::map<std::string, std::string> entries;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((SendToFolder() + "*.lnk").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string path = SendToFolder() + data.cFileName;
    entries[data.cFileName] = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "\\" : ReadAll(path);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return entries;
}

TEST(HostileInputE2e, CorruptLinksAndAFolderNamedVorlaLnkInSendTo) {
  Installation installation("");
  const std::string sendTo = SendToFolder();
  const auto before = SendToEntries();
  std::string model = sendTo + "model.lnk";
  ASSERT_TRUE(ShellLinkFiles::Write(model, {installation.Launcher(), "", "", installation.Launcher(), 0, SW_SHOWNORMAL}));
  std::string link = ReadAll(model);
  DeleteFileA(model.c_str());
  const std::map<std::string, std::string> corrupt = {
      {"Vorla random.lnk", RandomBytes(2048, 5)},
      {"Vorla empty.lnk", ""},
      {"Vorla header.lnk", link.substr(0, 76)},
      {"Vorla half.lnk", link.substr(0, link.size() / 2)},
  };
  for (const auto& [name, bytes] : corrupt) WriteFileBytes(sendTo + name, bytes);
  ASSERT_TRUE(CreateDirectoryA((sendTo + "Vorla.lnk").c_str(), nullptr));

  bool checked = true;
  ASSERT_TRUE(ClickAndConfirm(installation.SettingsProgram(), kSendToBox, &checked, {kSendToBox}));
  EXPECT_FALSE(checked);
  // No link could be saved over the folder: the box opens unchecked again.
  ASSERT_TRUE(ClickAndConfirm(installation.SettingsProgram(), kSendToBox, &checked, {}));
  EXPECT_FALSE(checked);
  auto after = SendToEntries();
  for (const auto& [name, bytes] : corrupt) {
    EXPECT_EQ(after[name], bytes) << name;
    DeleteFileA((sendTo + name).c_str());
  }
  EXPECT_EQ(after["Vorla.lnk"], "\\");
  RemoveDirectoryA((sendTo + "Vorla.lnk").c_str());
  EXPECT_EQ(SendToEntries(), before);
}

TEST(HostileInputE2e, AMissingSendToFolder) {
  Installation installation("");
  const std::string sendTo = SendToFolder();
  const std::string away = sendTo.substr(0, sendTo.size() - 1) + ".away";
  ASSERT_TRUE(MoveFileA(sendTo.c_str(), away.c_str()));
  bool checked = true;
  bool confirmed = ClickAndConfirm(installation.SettingsProgram(), kSendToBox, &checked, {kSendToBox});
  bool madeAgain = GetFileAttributesA(sendTo.c_str()) != INVALID_FILE_ATTRIBUTES;
  TestFolders::RemoveTree(sendTo);
  ASSERT_TRUE(MoveFileA(away.c_str(), sendTo.c_str()));
  EXPECT_TRUE(confirmed);
  EXPECT_FALSE(checked);
  EXPECT_FALSE(madeAgain);
  EXPECT_EQ(GetFileAttributesA("Vorla.lnk"), INVALID_FILE_ATTRIBUTES);  // nothing in the current folder
}

}  // namespace
