// Windows only: the real VLOption.exe under Wine, driven through Win32 as a user clicks it:
// its dialog found by its caption, check boxes and buttons clicked, the question about
// dropped files answered; then the registry entries, the Send To shortcut and Vorla.ini.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "E2e.h"

using namespace E2e;

namespace {

// Every link file, and every folder named like one, in Send To with its bytes (a folder: "\").
std::map<std::string, std::string> SendToEntries() {
  std::map<std::string, std::string> entries;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((SendToFolder() + "*.lnk").c_str(), &data);
  for (bool found = search != INVALID_HANDLE_VALUE; found; found = FindNextFileA(search, &data)) {
    bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    entries[data.cFileName] = folder ? "\\" : ReadAll(SendToFolder() + data.cFileName);
  }
  FindClose(search);
  return entries;
}

// Every test starts and ends without the association and without the launcher's shortcut.
class SettingsE2e : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".vlf");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "VorlaFile");
    DeleteFileA((SendToFolder() + "Vorla.lnk").c_str());
  }
};

TEST_F(SettingsE2e, OkWritesTheAssociationTheShortcutAndTheOptionAndTheDialogShowsThemNextTime) {
  Installation installation;
  const std::vector<int> allBoxes = {kAssociateBox, kSendToBox, kClipboardBox};
  SettingsRun run = RunSettings(installation.Settings(), allBoxes);
  EXPECT_EQ(run.opened, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(run.associationEnabled);  // Wine's user is an administrator
  EXPECT_EQ(run.exitCode, 0u);
  const std::string launcher = installation.Launcher();
  EXPECT_EQ(ClassesValue(".vlf"), std::string("VorlaFile") + '\0');
  EXPECT_EQ(ClassesValue("VorlaFile"), std::string("Vorlaファイル") + '\0');
  EXPECT_EQ(ClassesValue("VorlaFile\\DefaultIcon"), "\"" + launcher + "\",1" + '\0');
  EXPECT_EQ(ClassesValue("VorlaFile\\shell\\open\\command"), "\"" + launcher + "\" \"%1\"" + '\0');
  EXPECT_EQ(SendToEntries().count("Vorla.lnk"), 1u);
  std::string folder = installation.Folder().substr(0, installation.Folder().size() - 1);
  EXPECT_EQ(ReadShellLink(SendToFolder() + "Vorla.lnk"), launcher + "\n\n" + folder + "\n" + launcher + ",0\n1");
  EXPECT_EQ(installation.Option(), "1");
  EXPECT_EQ(run.warning, "");  // everything was saved

  run = RunSettings(installation.Settings(), allBoxes);
  EXPECT_EQ(run.opened, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(ClassesValue(".vlf"), "(none)");
  EXPECT_NE(ClassesValue("VorlaFile\\shell\\open\\command"), "(none)");  // a key with subkeys stays
  EXPECT_EQ(SendToEntries().count("Vorla.lnk"), 0u);
  EXPECT_EQ(installation.Option(), "0");
}

TEST_F(SettingsE2e, CancelEscAndTheCloseBoxWriteNothing) {
  struct Way {
    const char* name;
    void (*end)(HWND dialog);
  } ways[] = {
      {"Cancel", [](HWND dialog) { Press(dialog, IDCANCEL); }},
      {"Esc", [](HWND dialog) { PostMessageA(GetDlgItem(dialog, kClipboardBox), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& way : ways) {
    Installation installation;
    SettingsRun run = RunSettings(installation.Settings(), {kAssociateBox, kSendToBox, kClipboardBox}, way.end);
    EXPECT_EQ(run.clicked, (std::vector<bool>{true, true, true})) << way.name;
    EXPECT_EQ(run.exitCode, 0u) << way.name;
    EXPECT_EQ(ClassesValue(".vlf"), "(none)") << way.name;
    EXPECT_EQ(SendToEntries().count("Vorla.lnk"), 0u) << way.name;
    EXPECT_EQ(installation.Option(), "(none)") << way.name;
  }
}

// Collects the texts of a window's static controls: the question box shows its text in one.
BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts) {
  char className[32] = {}, text[512] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
    reinterpret_cast<Strings*>(texts)->push_back(text);
  }
  return TRUE;
}

TEST_F(SettingsE2e, DroppedFilesAreRenamedOnYesAndKeptOnNo) {
  for (int answer : {IDYES, IDNO}) {
    Installation installation;
    TempFolder lists;
    std::string a = lists.Write("a.txt", "http://example.com/\r\n");
    std::string b = lists.Write("b.VLF", "http://example.org/\r\n");
    Process program(Quoted(installation.Settings()) + " " + Quoted(a) + " " + Quoted(b));
    HWND question = AwaitSettingsWindow(IDYES);
    ASSERT_NE(question, nullptr) << answer;
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr) << answer;
    Strings texts;
    EnumChildWindows(question, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
    EXPECT_EQ(texts, Strings{"拡張子を変更してもよろしいですか？\n\n  「．txt」 -> 「．vlf」\n\n  「．vlf」 -> 「．txt」\n"})
        << answer;
    Click(question, answer);
    HWND dialog = AwaitSettingsWindow(kAssociateBox);
    ASSERT_NE(dialog, nullptr) << answer;
    Press(dialog, IDCANCEL);
    EXPECT_EQ(program.Wait(), 0u) << answer;
    bool renamed = answer == IDYES;
    for (const auto& [name, exists] : {std::pair{"a.vlf", renamed}, {"b.txt", renamed}, {"a.txt", !renamed}}) {
      EXPECT_EQ(GetFileAttributesA((lists.Path() + name).c_str()) != INVALID_FILE_ATTRIBUTES, exists) << answer << name;
    }
  }
}

TEST_F(SettingsE2e, ASecondCopyLeavesItsFilesAloneWhileTheFirstShowsItsDialog) {
  Installation installation;
  TempFolder lists;
  std::string list = lists.Write("a.txt", "http://example.com/\r\n");
  Process first(Quoted(installation.Settings()));
  HWND dialog = AwaitSettingsWindow(kAssociateBox);
  ASSERT_NE(dialog, nullptr);

  // Another window in front, which the second copy's hand-over replaces by the dialog.
  HWND other = CreateWindowExA(0, "#32770", "Vorla e2e", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);

  Process second(Quoted(installation.Settings()) + " " + Quoted(list));
  EXPECT_EQ(second.Wait(20000), 0u);
  EXPECT_NE(GetFileAttributesA(list.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FindWindowA("#32770", kSettingsCaption), dialog);  // no question, no second dialog
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(GetForegroundWindow(), dialog);
  DestroyWindow(other);

  Press(dialog, IDCANCEL);
  EXPECT_EQ(first.Wait(), 0u);
}

// Without a Send To folder the box opens clear and OK makes no shortcut anywhere. Corrupt
// links are no shortcut of the launcher's and stay byte for byte; no link can be saved over
// a folder named Vorla.lnk, so the box opens clear again.
TEST_F(SettingsE2e, AMissingSendToFolderCorruptLinksAndAFolderNamedVorlaLnk) {
  Installation installation;
  const std::string sendTo = SendToFolder(), away = sendTo.substr(0, sendTo.size() - 1) + ".away";
  ASSERT_TRUE(MoveFileA(sendTo.c_str(), away.c_str()));
  SettingsRun run = RunSettings(installation.Settings(), {kSendToBox});
  bool madeAgain = GetFileAttributesA(sendTo.c_str()) != INVALID_FILE_ATTRIBUTES;
  RemoveTree(sendTo);
  ASSERT_TRUE(MoveFileA(away.c_str(), sendTo.c_str()));
  EXPECT_EQ(run.opened, (std::vector<bool>{false, false, false}));
  EXPECT_NE(run.warning.find("\"送る\"に登録"), std::string::npos) << run.warning;
  EXPECT_FALSE(madeAgain);
  EXPECT_EQ(GetFileAttributesA("Vorla.lnk"), INVALID_FILE_ATTRIBUTES);  // nothing in the current folder

  const auto before = SendToEntries();
  RunSettings(installation.Settings(), {kSendToBox});
  std::string link = ReadAll(sendTo + "Vorla.lnk");
  ASSERT_FALSE(link.empty());
  DeleteFileA((sendTo + "Vorla.lnk").c_str());
  const std::map<std::string, std::string> corrupt = {
      {"Vorla random.lnk", RandomBytes(2048, 5)},
      {"Vorla empty.lnk", ""},
      {"Vorla header.lnk", link.substr(0, 76)},
      {"Vorla half.lnk", link.substr(0, link.size() / 2)},
  };
  for (const auto& [name, bytes] : corrupt) WriteAll(sendTo + name, bytes);
  ASSERT_TRUE(CreateDirectoryA((sendTo + "Vorla.lnk").c_str(), nullptr));
  for (int round = 0; round < 2; ++round) {
    run = RunSettings(installation.Settings(), {kSendToBox});
    EXPECT_EQ(run.opened, (std::vector<bool>{false, false, false})) << "round " << round;
    EXPECT_EQ(run.exitCode, 0u) << "round " << round;
    EXPECT_NE(run.warning.find("\"送る\"に登録"), std::string::npos) << run.warning;
  }
  auto after = SendToEntries();
  for (const auto& [name, bytes] : corrupt) {
    EXPECT_EQ(after[name], bytes) << name;
    DeleteFileA((sendTo + name).c_str());
  }
  EXPECT_EQ(after["Vorla.lnk"], "\\");
  RemoveDirectoryA((sendTo + "Vorla.lnk").c_str());
  EXPECT_EQ(SendToEntries(), before);
}

// OK with Vorla.ini unwritable (here a folder of that name) warns of the clipboard option
// alone, with the system's reason and the fix, and saves the Send To shortcut all the same.
TEST_F(SettingsE2e, OkWithVorlaIniUnwritableWarnsOfTheOptionAloneAndSavesTheRest) {
  Installation installation;
  installation.Write("Vorla.ini\\");
  ASSERT_FALSE(WritePrivateProfileStringA("Option", "ExecuteURLInClipboard", "1", (installation.Folder() + "Vorla.ini").c_str()));
  char reason[512] = {};
  DWORD error = GetLastError();
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason, sizeof reason, nullptr);
  SettingsRun run = RunSettings(installation.Settings(), {kSendToBox, kClipboardBox});
  for (const std::string& part : {std::string("次の設定を保存できませんでした。\n"),
                                  "・クリップボード内のURLを実行 (Vorla.ini): " + std::string(reason, std::strcspn(reason, "\r\n")),
                                  "(エラー " + std::to_string(error) + ")\n  Vorla のフォルダーを書き込みのできる場所"}) {
    EXPECT_NE(run.warning.find(part), std::string::npos) << part << " in\n" << run.warning;
  }
  for (const char* saved : {"関連付け", "送る"}) EXPECT_EQ(run.warning.find(saved), std::string::npos) << run.warning;
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(SendToEntries().count("Vorla.lnk"), 1u);
}

}  // namespace
