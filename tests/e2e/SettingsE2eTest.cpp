// Windows only: the real VLOption.exe under Wine, driven through Win32 as a user clicks it:
// its dialog found by its caption, check boxes and buttons clicked, the question about
// dropped files answered; then the registry entries, the Send To shortcut (read back
// through IShellLinkA) and Vorla.ini checked.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "E2e.h"
#include "win32/ShellLinkFiles.h"

namespace {

using E2e::AwaitSettingsWindow;
using E2e::Click;
using E2e::Press;
using E2e::SendToFolder;
using E2e::kSettingsCaption;
constexpr int kAssociateBox = 1001, kSendToBox = 1002, kClipboardBox = 1003;

// The names of the link files in the Send To folder.
std::vector<std::string> SendToLinks() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((SendToFolder() + "*.lnk").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return names;
}

// The default value of a key under HKEY_CLASSES_ROOT, its zero included; "(none)" when absent.
std::string ClassesValue(const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "(none)";
  char data[1024] = {};
  DWORD size = sizeof data, type = 0;
  LONG result = RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && type == REG_SZ ? std::string(data, size) : "(none)";
}

bool ClassesKeyExists(const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// VLOption.exe, with Vorla.exe beside it unless told otherwise, in a folder of its own.
class Installation {
 public:
  explicit Installation(bool withLauncher = true) {
    CopyFileA(E2e::SettingsPath().c_str(), Settings().c_str(), FALSE);
    if (withLauncher) CopyFileA(E2e::LauncherPath().c_str(), Launcher().c_str(), FALSE);
  }
  std::string Folder() const { return folder_.Path(); }
  std::string Settings() const { return folder_.Path() + "VLOption.exe"; }
  std::string Launcher() const { return folder_.Path() + "Vorla.exe"; }
  // The option as Vorla.ini holds it; "(none)" when it is not there.
  std::string Option() const {
    char value[64] = {};
    GetPrivateProfileStringA("Option", "ExecuteURLInClipboard", "(none)", value, sizeof value,
                             (Folder() + "Vorla.ini").c_str());
    return value;
  }
  // Starts VLOption.exe with these arguments.
  std::string CommandLine(const std::string& arguments = "") const {
    return E2e::Quoted(Settings()) + (arguments.empty() ? "" : " " + arguments);
  }

 private:
  E2e::TempFolder folder_;
};

bool IsChecked(HWND dialog, int box) {
  return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The states of the three boxes, in the order of their ids.
std::vector<bool> Checks(HWND dialog) {
  return {IsChecked(dialog, kAssociateBox), IsChecked(dialog, kSendToBox), IsChecked(dialog, kClipboardBox)};
}

void ClickAllBoxes(HWND dialog) {
  for (int box : {kAssociateBox, kSendToBox, kClipboardBox}) Click(dialog, box);
}

// Every test starts and ends without the association and without shortcuts to a Vorla.exe.
class SettingsE2e : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".vlf");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".vlf");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VorlaFile");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "VorlaFile");
    for (const auto& name : SendToLinks()) {
      auto link = ShellLinkFiles::Read(SendToFolder() + name);
      if (link && link->target.size() >= 9 && lstrcmpiA(link->target.c_str() + link->target.size() - 9, "Vorla.exe") == 0) {
        DeleteFileA((SendToFolder() + name).c_str());
      }
    }
  }
};

TEST_F(SettingsE2e, WithoutTheLauncherBesideItShowsNothingAndEnds) {
  Installation installation(false);
  E2e::Process program(installation.CommandLine());
  ASSERT_TRUE(program.Started());
  bool windowSeen = false;
  while (program.Running()) {
    windowSeen = windowSeen || FindWindowA("#32770", kSettingsCaption) != nullptr;
    Sleep(20);
  }
  EXPECT_EQ(program.Wait(), 0u);
  EXPECT_FALSE(windowSeen);
}

TEST_F(SettingsE2e, OkWritesTheAssociationTheShortcutAndTheOptionAndTheDialogShowsThemNextTime) {
  Installation installation;
  {
    E2e::Process program(installation.CommandLine());
    HWND dialog = AwaitSettingsWindow(kAssociateBox);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Checks(dialog), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kAssociateBox)));  // Wine's user is an administrator
    ClickAllBoxes(dialog);
    Press(dialog, IDOK);
    EXPECT_EQ(program.Wait(), 0u);
  }
  const std::string launcher = installation.Launcher();
  EXPECT_EQ(ClassesValue(".vlf"), std::string("VorlaFile") + '\0');
  EXPECT_EQ(ClassesValue("VorlaFile"), std::string("Vorlaファイル") + '\0');
  EXPECT_EQ(ClassesValue("VorlaFile\\DefaultIcon"), "\"" + launcher + "\",1" + '\0');
  EXPECT_EQ(ClassesValue("VorlaFile\\shell\\open\\command"), "\"" + launcher + "\" \"%1\"" + '\0');
  EXPECT_EQ(SendToLinks(), std::vector<std::string>{"Vorla.lnk"});
  auto link = ShellLinkFiles::Read(SendToFolder() + "Vorla.lnk");
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, launcher);
  EXPECT_EQ(link->arguments, "");
  EXPECT_EQ(link->workingDirectory + "\\", installation.Folder());
  EXPECT_EQ(link->iconFile, launcher);
  EXPECT_EQ(link->iconIndex, 0);
  EXPECT_EQ(link->showCommand, SW_SHOWNORMAL);
  EXPECT_EQ(installation.Option(), "1");

  E2e::Process again(installation.CommandLine());
  HWND dialog = AwaitSettingsWindow(kAssociateBox);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Checks(dialog), (std::vector<bool>{true, true, true}));
  ClickAllBoxes(dialog);
  Press(dialog, IDOK);
  EXPECT_EQ(again.Wait(), 0u);
  EXPECT_FALSE(ClassesKeyExists(".vlf"));
  EXPECT_TRUE(ClassesKeyExists("VorlaFile\\shell\\open\\command"));  // a key with subkeys stays
  EXPECT_TRUE(SendToLinks().empty());
  EXPECT_EQ(installation.Option(), "0");
}

TEST_F(SettingsE2e, CancelEscAndTheCloseBoxWriteNothing) {
  struct Way {
    const char* name;
    void (*end)(HWND dialog);
  } ways[] = {
      {"Cancel", [](HWND dialog) { Press(dialog, IDCANCEL); }},
      {"Esc",
       [](HWND dialog) {
         PostMessageA(GetDlgItem(dialog, kClipboardBox), WM_KEYDOWN, VK_ESCAPE, 0);
         PostMessageA(GetDlgItem(dialog, kClipboardBox), WM_KEYUP, VK_ESCAPE, 0);
       }},
      {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& way : ways) {
    Installation installation;
    E2e::Process program(installation.CommandLine());
    HWND dialog = AwaitSettingsWindow(kAssociateBox);
    ASSERT_NE(dialog, nullptr) << way.name;
    ClickAllBoxes(dialog);
    EXPECT_EQ(Checks(dialog), (std::vector<bool>{true, true, true})) << way.name;
    way.end(dialog);
    EXPECT_EQ(program.Wait(), 0u) << way.name;
    EXPECT_FALSE(ClassesKeyExists(".vlf")) << way.name;
    EXPECT_TRUE(SendToLinks().empty()) << way.name;
    EXPECT_EQ(installation.Option(), "(none)") << way.name;
  }
}

// Collects the texts of a window's static controls: the question box shows its text in one.
BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts) {
  char className[32] = {}, text[512] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
    reinterpret_cast<std::vector<std::string>*>(texts)->push_back(text);
  }
  return TRUE;
}

std::vector<std::string> StaticTexts(HWND window) {
  std::vector<std::string> texts;
  EnumChildWindows(window, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

TEST_F(SettingsE2e, DroppedFilesAreRenamedOnYesAndKeptOnNo) {
  for (int answer : {IDYES, IDNO}) {
    Installation installation;
    E2e::TempFolder lists;
    std::string a = lists.Write("a.txt", "http://example.com/\r\n");
    std::string b = lists.Write("b.VLF", "http://example.org/\r\n");
    E2e::Process program(installation.CommandLine(E2e::Quoted(a) + " " + E2e::Quoted(b)));
    HWND question = AwaitSettingsWindow(IDYES);
    ASSERT_NE(question, nullptr) << answer;
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr) << answer;
    EXPECT_EQ(StaticTexts(question),
              std::vector<std::string>{"拡張子を変更してもよろしいですか？\n\n  「．txt」 -> 「．vlf」\n\n  「．vlf」 -> 「．txt」\n"})
        << answer;
    Click(question, answer);
    HWND dialog = AwaitSettingsWindow(kAssociateBox);
    ASSERT_NE(dialog, nullptr) << answer;
    Press(dialog, IDCANCEL);
    EXPECT_EQ(program.Wait(), 0u) << answer;
    bool renamed = answer == IDYES;
    EXPECT_EQ(GetFileAttributesA((lists.Path() + "a.vlf").c_str()) != INVALID_FILE_ATTRIBUTES, renamed) << answer;
    EXPECT_EQ(GetFileAttributesA((lists.Path() + "b.txt").c_str()) != INVALID_FILE_ATTRIBUTES, renamed) << answer;
    EXPECT_EQ(GetFileAttributesA(a.c_str()) != INVALID_FILE_ATTRIBUTES, !renamed) << answer;
  }
}

TEST_F(SettingsE2e, ASecondCopyLeavesItsFilesAloneWhileTheFirstShowsItsDialog) {
  Installation installation;
  E2e::TempFolder lists;
  std::string list = lists.Write("a.txt", "http://example.com/\r\n");
  E2e::Process first(installation.CommandLine());
  HWND dialog = AwaitSettingsWindow(kAssociateBox);
  ASSERT_NE(dialog, nullptr);

  // Another window in front, which the second copy's hand-over replaces by the dialog.
  HWND other = CreateWindowExA(0, "#32770", "Vorla e2e", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);

  E2e::Process second(installation.CommandLine(E2e::Quoted(list)));
  EXPECT_EQ(second.Wait(20000), 0u);
  EXPECT_NE(GetFileAttributesA(list.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FindWindowA("#32770", kSettingsCaption), dialog);  // no question, no second dialog
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(GetForegroundWindow(), dialog);
  DestroyWindow(other);

  Press(dialog, IDCANCEL);
  EXPECT_EQ(first.Wait(), 0u);
}

// Dialog template 100 as the table of the settings dialog gives it.
TEST(SettingsResources, TheDialogTemplateAndTheIconAreAsDesigned) {
  HMODULE module = LoadLibraryExA(E2e::SettingsPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
  ASSERT_EQ(japanese, 1041);
  HRSRC found = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(100), japanese);
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  std::size_t at = 0;
  auto word = [&] {
    WORD value;
    std::memcpy(&value, bytes + at, 2);
    at += 2;
    return value;
  };
  auto dword = [&] {
    DWORD low = word();
    return low | DWORD{word()} << 16;
  };
  auto text = [&] {  // a zero-ended UTF-16 text, or an ordinal as "#n"
    std::wstring value;
    if (word() == 0xFFFF) return L"#" + std::to_wstring(word());
    at -= 2;
    for (WORD c = word(); c != 0; c = word()) value += static_cast<wchar_t>(c);
    return value;
  };
  auto wide = [](const char* ansi) {  // code page 932 text as UTF-16
    wchar_t buffer[128] = {};
    MultiByteToWideChar(932, 0, ansi, -1, buffer, 128);
    return std::wstring(buffer);
  };
  EXPECT_EQ(dword(), 0x00C808C0u);  // WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT
  EXPECT_EQ(dword(), 0u);           // no extended style
  WORD count = word();
  EXPECT_EQ(count, 6);
  EXPECT_EQ((std::vector<WORD>{word(), word(), word(), word()}), (std::vector<WORD>{0, 0, 140, 108}));
  EXPECT_EQ(text(), L"");  // no menu
  EXPECT_EQ(text(), L"");  // the standard dialog class
  EXPECT_EQ(text(), L"");  // the caption comes at run time
  EXPECT_EQ(word(), 9);
  EXPECT_EQ(text(), L"MS UI GOTHIC");
  struct Control {
    DWORD style;
    std::vector<WORD> place;
    WORD id;
    std::wstring text;
  } expected[] = {
      {0x50000007, {7, 5, 126, 75}, 1000, L""},
      {0x50010003, {17, 20, 87, 14}, 1001, wide("ファイルの関連付け(&A)")},
      {0x50010003, {17, 38, 73, 14}, 1002, wide("\"送る\"に登録(&S)")},
      {0x50010003, {17, 56, 113, 14}, 1003, wide("クリップボード内のURLを実行(&E)")},
      {0x50010001, {17, 88, 50, 14}, 1, L"OK"},
      {0x50010000, {72, 88, 50, 14}, 2, wide("キャンセル")},
  };
  for (std::size_t i = 0; i < std::min<std::size_t>(count, std::size(expected)); ++i) {
    at = (at + 3) & ~std::size_t{3};  // each control begins on a DWORD boundary
    EXPECT_EQ(dword(), expected[i].style) << "control " << i;
    EXPECT_EQ(dword(), 0u) << "control " << i;
    EXPECT_EQ((std::vector<WORD>{word(), word(), word(), word()}), expected[i].place) << "control " << i;
    EXPECT_EQ(word(), expected[i].id) << "control " << i;
    EXPECT_EQ(text(), L"#128") << "control " << i;  // the button class
    EXPECT_EQ(text(), expected[i].text) << "control " << i;
    EXPECT_EQ(word(), 0) << "control " << i;  // no creation data
  }

  HRSRC group = FindResourceExA(module, RT_GROUP_ICON, "MAINICON", japanese);
  ASSERT_NE(group, nullptr);
  const auto* icons = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
  WORD header[3];
  std::memcpy(header, icons, sizeof header);
  EXPECT_EQ(header[2], 1);  // one image
  const BYTE* entry = icons + 6;
  EXPECT_EQ(entry[0], 32);  // width
  EXPECT_EQ(entry[1], 32);  // height
  EXPECT_EQ(entry[2], 16);  // colours
  WORD bitCount;
  std::memcpy(&bitCount, entry + 6, 2);
  EXPECT_EQ(bitCount, 4);
  FreeLibrary(module);
}

}  // namespace
