// Windows only: the real VLOption.exe under Wine, driven through Win32 as a user clicks it:
// its dialog found by its caption, check boxes and buttons clicked, the question about
// dropped files answered; then the registry entries, the Send To shortcut and Vorla.ini.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "E2e.h"

using namespace E2e;
using namespace std::string_literals;

namespace {

// Every link file, and every folder named like one, in Send To with its bytes (a folder: "\").
std::map<std::string, std::string> SendToEntries() {
  std::map<std::string, std::string> entries;
  for (const auto& entry : std::filesystem::directory_iterator(SendToFolder())) {
    std::string name = entry.path().filename().string();
    if (name.ends_with(".lnk")) entries[name] = entry.is_directory() ? "\\" : ReadAll(SendToFolder() + name);
  }
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

// Cancel, Esc and the close box write nothing, and OK all that was clicked; the dialog
// opens with the boxes as they were saved, and OK clears what the user clears. Without the
// launcher beside it, the program opens no dialog.
TEST_F(SettingsE2e, CancelEscAndTheCloseBoxWriteNothingOkWritesAllAndTheDialogShowsItNextTime) {
  Installation installation;
  const std::vector<int> allBoxes = {kAssociateBox, kSendToBox, kClipboardBox};
  const std::pair<const char*, void (*)(HWND dialog)> ways[] = {
      {"Cancel", [](HWND dialog) { Press(dialog, IDCANCEL); }},
      {"Esc", [](HWND dialog) { PostMessageA(GetDlgItem(dialog, kClipboardBox), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"OK", nullptr},
  };
  const std::string launcher = installation.Launcher();
  for (const auto& [way, end] : ways) {
    SettingsRun run = RunSettings(installation.Settings(), allBoxes, end);
    EXPECT_EQ(run.opened, (std::vector<bool>{false, false, false})) << way;
    EXPECT_EQ(run.clicked, (std::vector<bool>{true, true, true})) << way;
    EXPECT_TRUE(run.associationEnabled) << way;  // Wine's user is an administrator
    EXPECT_EQ(run.exitCode, 0u) << way;
    EXPECT_EQ(run.warning, "") << way;  // everything was saved
    EXPECT_EQ(ClassesValue(".vlf"), end != nullptr ? "(none)" : "VorlaFile\0"s) << way;
    EXPECT_EQ(SendToEntries().count("Vorla.lnk"), end != nullptr ? 0u : 1u) << way;
    EXPECT_EQ(installation.Option(), end != nullptr ? "(none)" : "1") << way;
  }
  // The bytes of the other values are the unit tests' (SettingsFileType); the command shows
  // the launcher's path as written.
  EXPECT_EQ(ClassesValue("VorlaFile\\shell\\open\\command"), "\"" + launcher + "\" \"%1\"" + '\0');
  std::string folder = installation.Path().substr(0, installation.Path().size() - 1);
  EXPECT_EQ(ReadShellLink(SendToFolder() + "Vorla.lnk"), launcher + "\n\n" + folder + "\n" + launcher + ",0\n1");

  SettingsRun run = RunSettings(installation.Settings(), allBoxes);
  EXPECT_EQ(run.opened, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(ClassesValue(".vlf"), "(none)");
  EXPECT_NE(ClassesValue("VorlaFile\\shell\\open\\command"), "(none)");  // a key with subkeys stays
  EXPECT_EQ(SendToEntries().count("Vorla.lnk"), 0u);
  EXPECT_EQ(installation.Option(), "0");
  // Without the launcher beside it the program shows nothing (it would wait for a click) and ends.
  DeleteFileA(launcher.c_str());
  EXPECT_EQ(Process(Quoted(installation.Settings())).Wait(10000), 0u);
}

// The question about dropped files: Yes renames them, No keeps them; then the dialog. While
// it shows, a second copy started with a file leaves it alone and hands over to the first:
// no question, no second dialog, and the dialog comes in front of the window that was.
TEST_F(SettingsE2e, DroppedFilesAreRenamedOnYesAndKeptOnNoAndASecondCopyLeavesItsFilesAlone) {
  Installation installation;
  for (int answer : {IDYES, IDNO}) {
    TempFolder lists;
    std::string a = lists.Write("a.txt", "http://example.com/\r\n");
    std::string b = lists.Write("b.VLF", "http://example.org/\r\n");
    Process program(Quoted(installation.Settings()) + " " + Quoted(a) + " " + Quoted(b));
    HWND question = AwaitSettingsWindow(IDYES);
    ASSERT_NE(question, nullptr) << answer;
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr) << answer;
    EXPECT_EQ(MessageText(question), "拡張子を変更してもよろしいですか？\n\n  「．txt」 -> 「．vlf」\n\n  「．vlf」 -> 「．txt」\n")
        << answer;
    Press(question, answer);
    HWND dialog = AwaitSettingsWindow(kAssociateBox);
    ASSERT_NE(dialog, nullptr) << answer;

    HWND other = CreateWindowExA(0, "#32770", "Vorla e2e", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_EQ(GetForegroundWindow(), other) << answer;
    std::string list = lists.Write("c.txt", "http://example.com/\r\n");
    Process second(Quoted(installation.Settings()) + " " + Quoted(list));
    EXPECT_EQ(second.Wait(20000), 0u) << answer;
    EXPECT_NE(GetFileAttributesA(list.c_str()), INVALID_FILE_ATTRIBUTES) << answer;
    EXPECT_EQ(FindWindowA("#32770", kSettingsCaption), dialog) << answer;  // no question, no second dialog
    EXPECT_TRUE(IsWindowVisible(dialog)) << answer;
    EXPECT_EQ(GetForegroundWindow(), dialog) << answer;
    DestroyWindow(other);

    Press(dialog, IDCANCEL);
    EXPECT_EQ(program.Wait(), 0u) << answer;
    bool renamed = answer == IDYES;
    for (const auto& [name, exists] : {std::pair{"a.vlf", renamed}, {"b.txt", renamed}, {"a.txt", !renamed}}) {
      EXPECT_EQ(GetFileAttributesA((lists.Path() + name).c_str()) != INVALID_FILE_ATTRIBUTES, exists) << answer << name;
    }
  }
}

// Without a Send To folder and with Vorla.ini unwritable (here a folder of that name), the
// Send To box opens clear; OK makes no shortcut anywhere, warns of those two settings alone,
// the option with the system's reason and the fix, and saves the association all the same.
// Corrupt links are no shortcut of the launcher's and stay byte for byte; no link can be
// saved over a folder named Vorla.lnk, so the box opens clear again.
TEST_F(SettingsE2e, AMissingSendToFolderAnUnwritableVorlaIniCorruptLinksAndAFolderNamedVorlaLnk) {
  Installation installation;
  installation.Write("Vorla.ini\\");
  ASSERT_FALSE(WritePrivateProfileStringA("Option", "ExecuteURLInClipboard", "1", (installation.Path() + "Vorla.ini").c_str()));
  char reason[512] = {};
  DWORD error = GetLastError();
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason, sizeof reason, nullptr);
  const std::string sendTo = SendToFolder(), away = sendTo.substr(0, sendTo.size() - 1) + ".away";
  ASSERT_TRUE(MoveFileA(sendTo.c_str(), away.c_str()));
  SettingsRun run = RunSettings(installation.Settings(), {kAssociateBox, kSendToBox, kClipboardBox});
  bool madeAgain = GetFileAttributesA(sendTo.c_str()) != INVALID_FILE_ATTRIBUTES;
  RemoveTree(sendTo);
  ASSERT_TRUE(MoveFileA(away.c_str(), sendTo.c_str()));
  EXPECT_EQ(run.opened, (std::vector<bool>{false, false, false}));
  for (const std::string& part : {std::string("次の設定を保存できませんでした。\n"), std::string("\"送る\"に登録"),
                                  "・クリップボード内のURLを実行 (Vorla.ini): " + std::string(reason, std::strcspn(reason, "\r\n")),
                                  "(エラー " + std::to_string(error) + ")\n  Vorla のフォルダーを書き込みのできる場所"}) {
    EXPECT_NE(run.warning.find(part), std::string::npos) << part << " in\n" << run.warning;
  }
  EXPECT_EQ(run.warning.find("関連付け"), std::string::npos) << run.warning;
  EXPECT_EQ(ClassesValue(".vlf"), "VorlaFile\0"s);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_FALSE(madeAgain);
  EXPECT_EQ(GetFileAttributesA("Vorla.lnk"), INVALID_FILE_ATTRIBUTES);  // nothing in the current folder

  const auto before = SendToEntries();
  RunSettings(installation.Settings(), {kSendToBox});
  std::string link = ReadAll(sendTo + "Vorla.lnk");
  ASSERT_FALSE(link.empty());
  DeleteFileA((sendTo + "Vorla.lnk").c_str());
  const std::map<std::string, std::string> corrupt = {
      {"Vorla random.lnk", RandomBytes(2048, 5)},
      {"Vorla half.lnk", link.substr(0, link.size() / 2)},
  };
  for (const auto& [name, bytes] : corrupt) WriteAll(sendTo + name, bytes);
  ASSERT_TRUE(CreateDirectoryA((sendTo + "Vorla.lnk").c_str(), nullptr));
  for (int round = 0; round < 2; ++round) {
    run = RunSettings(installation.Settings(), {kSendToBox});
    EXPECT_EQ(run.opened, (std::vector<bool>{true, false, false})) << "round " << round;
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

}  // namespace
