// The settings program from start to end: the hand-over to a running copy, the launcher
// test, the question and the extension switch, and the dialog opened, clicked by the
// scripted user and applied, against the simulated Windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "SettingsDialog.h"
#include "SettingsMain.h"
#include "TinyIni.h"
#include "VLOptionUtils.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimClipboard.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimSecurity.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimShellLink.h"
#include "platform/sim/SimWindow.h"

namespace {

using Sim::DialogEnd;
using Sim::DialogScript;

const std::string kCaption = "Vorla 動作設定";
const std::string kLauncher = "C:\\Vorla\\Vorla.exe";
const std::string kSettingsFile = "C:\\Vorla\\Vorla.ini";
const std::string kSendTo = "C:\\Documents and Settings\\Taro\\SendTo\\";

class SettingsProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    Sim::AddFolder("C:\\Vorla");
    Sim::AddFile("C:\\Vorla\\VLOption.exe", "MZ");
    Sim::AddFile(kLauncher, "MZ");
    Sim::SetModuleFileName("C:\\Vorla\\VLOption.exe");
    Sim::AddFolder(kSendTo);
  }

  // Runs the program with these arguments (as the command line holds them after its name).
  static int Run(const std::string& arguments = "") {
    Sim::SetCommandLine("\"C:\\Vorla\\VLOption.exe\" " + arguments);
    return Sim::RunProcess(VLOption::RunSettingsProgram);
  }
  static const Sim::DialogRecord& OnlyDialog() {
    EXPECT_EQ(Sim::Dialogs().size(), 1u);
    return Sim::Dialogs().back();
  }
  static Sim::ControlState Opened(int box) { return OnlyDialog().opened.at(box); }
  static void AddLink(const std::string& name, const std::string& target) {
    Sim::AddShellLink(kSendTo + name, Sim::ShellLinkData{.target = target});
  }
  // The option as the settings file holds it; "(none)" when it is not there.
  static std::string Option(const std::string& settingsFile = kSettingsFile) {
    return TinyIni::ReadString(settingsFile, "Option", "ExecuteURLInClipboard", "(none)");
  }
  static std::string CommandOfRegistration() {
    auto value = Sim::GetRegistryValue(Win::HKEY_CLASSES_ROOT, "VorlaFile\\shell\\open\\command", "");
    return value ? value->data : "(none)";
  }
};

constexpr Sim::ControlState kUnchecked{false, true}, kChecked{true, true};

// The dialog as it opens.

TEST_F(SettingsProgram, OpensWithCaptionIconAndTheCurrentStates) {
  EXPECT_EQ(Run(), 0);
  const auto& dialog = OnlyDialog();
  EXPECT_EQ(dialog.templateId, 100);
  EXPECT_FALSE(dialog.hasOwner);
  EXPECT_TRUE(dialog.shown);
  EXPECT_EQ(dialog.caption, kCaption);
  EXPECT_EQ(dialog.bigIcon, "MAINICON");
  EXPECT_FALSE(dialog.smallIconSet);
  EXPECT_EQ(Opened(IDC_ASSOCIATE), kUnchecked);
  EXPECT_EQ(Opened(IDC_SENDTO), kUnchecked);
  EXPECT_EQ(Opened(IDC_CLIPBOARD), kUnchecked);
  EXPECT_NE(Sim::ClassStyle("#32770") & Win::CS_DROPSHADOW, 0u);  // Windows XP
  EXPECT_EQ(Sim::ComLog(), "++--");
  EXPECT_EQ(Sim::ComInitializations(), 0);
  EXPECT_EQ(VLOption::ProgramFolder, "");
  EXPECT_EQ(VLOption::SettingsFile, "");
  EXPECT_FALSE(Sim::MutexExists("Vorla Option Exists"));

  Sim::Reset();
  SetUp();
  VLOptionUtils::RegisterFileType("D:\\Old\\Vorla.exe");
  AddLink("Launcher.lnk", "D:\\Old\\VORLA.EXE");
  Sim::AddFile(kSettingsFile, "[Option]\r\nExecuteURLInClipboard=1\r\n");
  Run();
  EXPECT_EQ(Opened(IDC_ASSOCIATE), kChecked);
  EXPECT_EQ(Opened(IDC_SENDTO), kChecked);
  EXPECT_EQ(Opened(IDC_CLIPBOARD), kChecked);
}

TEST_F(SettingsProgram, TheAssociationBoxIsDisabledForUsersWithoutRightsOnNt) {
  struct Row {
    Win::DWORD platform, major, minor;
    Sim::AdminGroup administrators;
    bool registered;
    Sim::ControlState expected;
  } rows[] = {
      {2, 5, 1, Sim::AdminGroup::Enabled, false, {false, true}},
      {2, 5, 1, Sim::AdminGroup::DenyOnly, true, {true, true}},
      {2, 5, 1, Sim::AdminGroup::Absent, false, {false, false}},
      {2, 5, 1, Sim::AdminGroup::Absent, true, {true, false}},
      {2, 5, 0, Sim::AdminGroup::Absent, true, {true, false}},
      {1, 4, 90, Sim::AdminGroup::Absent, true, {true, true}},  // Windows Me has no rights to test
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    SetUp();
    Sim::SetPlatform(rows[i].platform, rows[i].major, rows[i].minor);
    Sim::SetProcessToken({rows[i].administrators, 2});
    if (rows[i].registered) VLOptionUtils::RegisterFileType(kLauncher);
    Run();
    EXPECT_EQ(Opened(IDC_ASSOCIATE), rows[i].expected) << "row " << i;
  }
}

// The dialog's ends.

TEST_F(SettingsProgram, OkAppliesAllThreeBoxes) {
  Sim::ScriptDialog({{IDC_ASSOCIATE, IDC_SENDTO, IDC_CLIPBOARD}, DialogEnd::Ok});
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(VLOptionUtils::IsFileTypeRegistered());
  EXPECT_EQ(CommandOfRegistration(), "\"C:\\Vorla\\Vorla.exe\" \"%1\"" + std::string(1, '\0'));
  auto link = Sim::ReadShellLink(kSendTo + "Vorla.lnk");
  ASSERT_TRUE(link);
  EXPECT_EQ(*link, (Sim::ShellLinkData{kLauncher, "", "C:\\Vorla", kLauncher, 0, 1, "", 0}));
  EXPECT_EQ(Option(), "1");
  const auto& dialog = OnlyDialog();
  EXPECT_FALSE(dialog.visibleAtEnd);  // hidden while applying
  EXPECT_EQ(dialog.result, 0);
  EXPECT_TRUE(dialog.destroyed);
  EXPECT_EQ(Sim::PostedQuitCode(), 0);
}

TEST_F(SettingsProgram, OkWithoutChangesOnlyRewritesTheOption) {
  Sim::ScriptDialog({{}, DialogEnd::Ok});
  Run();
  EXPECT_TRUE(Sim::RegistryKeyPaths(Win::HKEY_CLASSES_ROOT).empty());
  EXPECT_FALSE(Sim::PathExists(kSendTo + "Vorla.lnk"));
  EXPECT_EQ(Option(), "0");
  EXPECT_TRUE(Sim::ChangeNotifications().empty());
}

TEST_F(SettingsProgram, CancelEscAndTheCloseBoxWriteNothing) {
  for (auto end : {DialogEnd::Cancel, DialogEnd::Escape, DialogEnd::CloseBox}) {
    Sim::Reset();
    SetUp();
    Sim::ScriptDialog({{IDC_ASSOCIATE, IDC_SENDTO, IDC_CLIPBOARD}, end});
    EXPECT_EQ(Run(), 0);
    const auto& dialog = OnlyDialog();
    EXPECT_EQ(dialog.closed.at(IDC_CLIPBOARD), kChecked) << static_cast<int>(end);
    EXPECT_EQ(dialog.result, 0) << static_cast<int>(end);
    EXPECT_TRUE(Sim::RegistryKeyPaths(Win::HKEY_CLASSES_ROOT).empty()) << static_cast<int>(end);
    EXPECT_FALSE(Sim::PathExists(kSendTo + "Vorla.lnk")) << static_cast<int>(end);
    EXPECT_FALSE(Sim::PathExists(kSettingsFile)) << static_cast<int>(end);
  }
}

TEST_F(SettingsProgram, ADisabledAssociationBoxNeverChangesTheAssociation) {
  Sim::SetProcessToken({Sim::AdminGroup::Absent, 2});
  Sim::ScriptDialog({{IDC_ASSOCIATE}, DialogEnd::Ok});
  Run();
  EXPECT_FALSE(VLOptionUtils::IsFileTypeRegistered());

  VLOptionUtils::RegisterFileType(kLauncher);
  Run();
  EXPECT_TRUE(VLOptionUtils::IsFileTypeRegistered());
}

TEST_F(SettingsProgram, AnAssociationWithAnotherFolderIsKeptUntilTheBoxIsUnticked) {
  VLOptionUtils::RegisterFileType("D:\\Old\\Vorla.exe");
  const std::string oldCommand = CommandOfRegistration();
  Sim::ScriptDialog({{}, DialogEnd::Ok});
  Run();
  EXPECT_EQ(CommandOfRegistration(), oldCommand);

  Sim::ScriptDialog({{IDC_ASSOCIATE}, DialogEnd::Ok});
  Run();
  EXPECT_FALSE(VLOptionUtils::IsFileTypeRegistered());  // NT keeps VorlaFile, which has subkeys
}

TEST_F(SettingsProgram, OkPutsTheOneShortcutToThisLauncherIntoSendToOrRemovesThemAll) {
  AddLink("Vorla.lnk", "D:\\Old\\Vorla.exe");
  AddLink("Copy of Vorla.lnk", kLauncher);
  AddLink("Other.lnk", "C:\\Tools\\Other.exe");
  Sim::ScriptDialog({{}, DialogEnd::Ok});  // the box opens ticked
  Run();
  EXPECT_EQ(Sim::ReadShellLink(kSendTo + "Vorla.lnk")->target, kLauncher);
  EXPECT_FALSE(Sim::PathExists(kSendTo + "Copy of Vorla.lnk"));

  Sim::ScriptDialog({{IDC_SENDTO}, DialogEnd::Ok});
  Run();
  EXPECT_FALSE(Sim::PathExists(kSendTo + "Vorla.lnk"));
  EXPECT_TRUE(Sim::PathExists(kSendTo + "Other.lnk"));
}

TEST_F(SettingsProgram, WithoutAProgramFolderOnlyTheOptionIsWritten) {
  Sim::SetModuleFileName("VLOption.exe");  // a name without a folder
  Sim::SetCurrentFolder("C:\\Vorla");       // where a bare "Vorla.exe" is found
  AddLink("Vorla.lnk", "D:\\Old\\Vorla.exe");
  Sim::ScriptDialog({{IDC_ASSOCIATE, IDC_CLIPBOARD}, DialogEnd::Ok});
  Run();
  ASSERT_EQ(Sim::Dialogs().size(), 1u);
  EXPECT_TRUE(Sim::RegistryKeyPaths(Win::HKEY_CLASSES_ROOT).empty());
  EXPECT_EQ(Sim::ReadShellLink(kSendTo + "Vorla.lnk")->target, "D:\\Old\\Vorla.exe");
  EXPECT_EQ(Option("Vorla.ini"), "1");
  EXPECT_TRUE(Sim::PathExists("C:\\WINDOWS\\Vorla.ini"));  // a bare profile name
}

// The main routine.

TEST_F(SettingsProgram, WithoutTheLauncherBesideItNothingIsShown) {
  Win::DeleteFileA(kLauncher.c_str());
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(Sim::Dialogs().empty());
  EXPECT_TRUE(Sim::MessageBoxes().empty());
  EXPECT_FALSE(Sim::MutexExists("Vorla Option Exists"));
}

TEST_F(SettingsProgram, ASecondCopyOnlyBringsTheFirstOneToTheFront) {
  Sim::HoldMutexElsewhere("Vorla Option Exists");
  Sim::AddWindow("#32770", "Vorla");
  Win::HWND first = Sim::AddWindow("#32770", kCaption);
  Sim::AddFolder("C:\\Lists");
  Sim::AddFile("C:\\Lists\\a.txt");
  Sim::ScriptMessageBoxAnswer(Win::IDYES);
  EXPECT_EQ(Run("C:\\Lists\\a.txt"), 0);
  EXPECT_EQ(Sim::ForegroundWindowHandle(), first);
  EXPECT_TRUE(Sim::MessageBoxes().empty());
  EXPECT_TRUE(Sim::Dialogs().empty());
  EXPECT_TRUE(Sim::PathExists("C:\\Lists\\a.txt"));

  Sim::Reset();  // nothing to raise: the copy ends quietly all the same
  SetUp();
  Sim::HoldMutexElsewhere("Vorla Option Exists");
  Win::HWND foreground = Sim::ForegroundWindowHandle();
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(Sim::ForegroundWindowHandle(), foreground);
  EXPECT_TRUE(Sim::Dialogs().empty());
}

TEST_F(SettingsProgram, DroppedFilesAreAskedAboutOnce) {
  Win::HWND foreground = Sim::AddWindow("ExploreWClass", "Lists");
  Sim::SetForegroundWindowHandle(foreground);
  Run("C:\\Lists\\missing.txt \"C:\\Lists\\also missing.vlf\"");
  ASSERT_EQ(Sim::MessageBoxes().size(), 1u);
  const auto& box = Sim::MessageBoxes()[0];
  EXPECT_EQ(box.owner, foreground);
  EXPECT_EQ(box.caption, kCaption);
  EXPECT_EQ(box.text,
            "拡張子を変更してもよろしいですか？\n\n  「．txt」 -> 「．vlf」\n\n  「．vlf」 -> 「．txt」\n");
  EXPECT_EQ(box.text.substr(0, 4), "\x8A\x67\x92\xA3");  // 拡張 in code page 932
  EXPECT_EQ(box.type, 0x10024u);
  EXPECT_EQ(Sim::Dialogs().size(), 1u);
}

TEST_F(SettingsProgram, YesSwitchesTheExtensionsOfExistingListFiles) {
  struct Row {
    std::vector<std::string> files;  // existing before the run; "\" at the end: a folder
    std::string arguments;
    int answer;
    std::vector<std::string> after;  // existing after the run
    bool dialogShown;
  } rows[] = {
      {{"a.txt", "b.VLF"}, "a.txt b.VLF", Win::IDYES, {"a.vlf", "b.txt"}, true},
      {{"a.txt", "c.doc", "d.vlf"}, "a.txt c.doc d.vlf", Win::IDYES, {"a.vlf", "c.doc", "d.vlf"}, false},
      {{"y.txt"}, "x.txt y.txt", Win::IDYES, {"y.vlf"}, true},
      {{"dir.txt\\"}, "dir.txt", Win::IDYES, {"dir.txt"}, true},
      {{"a.txt", "a.vlf"}, "a.txt", Win::IDYES, {"a.txt", "a.vlf"}, true},
      {{"LIST.TXT"}, "LIST.TXT", Win::IDYES, {"LIST.vlf"}, true},
      {{"a.txt", "b.vlf"}, "a.txt b.vlf", Win::IDNO, {"a.txt", "b.vlf"}, true},
      {{"a.txt"}, "a.txt", 0, {"a.txt"}, true},  // a question box that could not be shown
      {{"リスト.txt"}, "\"リスト.txt\"", Win::IDYES, {"リスト.vlf"}, true},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    SetUp();
    Sim::AddFolder("C:\\Lists");
    Sim::SetCurrentFolder("C:\\Lists");
    for (const auto& file : rows[i].files) {
      if (file.back() == '\\') {
        Sim::AddFolder("C:\\Lists\\" + file);
      } else {
        Sim::AddFile("C:\\Lists\\" + file);
      }
    }
    Sim::ScriptMessageBoxAnswer(rows[i].answer);
    EXPECT_EQ(Run(rows[i].arguments), 0) << "row " << i;
    std::vector<std::string> after;
    Win::WIN32_FIND_DATAA data{};
    Win::HANDLE search = Win::FindFirstFileA("C:\\Lists\\*", &data);
    do {
      if (data.cFileName[0] != '.') after.push_back(data.cFileName);
    } while (Win::FindNextFileA(search, &data));
    Win::FindClose(search);
    std::sort(after.begin(), after.end());
    std::sort(rows[i].after.begin(), rows[i].after.end());
    EXPECT_EQ(after, rows[i].after) << "row " << i;
    EXPECT_EQ(Sim::Dialogs().size(), rows[i].dialogShown ? 1u : 0u) << "row " << i;
  }
}

TEST_F(SettingsProgram, AFileWithoutExtensionEndsTheProgram) {
  Sim::AddFolder("C:\\old.dir");
  Sim::AddFile("C:\\old.dir\\list");
  Sim::ScriptMessageBoxAnswer(Win::IDYES);
  EXPECT_EQ(Run("C:\\old.dir\\list"), 0);
  EXPECT_TRUE(Sim::PathExists("C:\\old.dir\\list"));
  EXPECT_TRUE(Sim::Dialogs().empty());
}

TEST_F(SettingsProgram, WithArgumentsTheDialogUsesTheSameSettingsFile) {
  Sim::AddFolder("C:\\Lists");
  Sim::AddFile("C:\\Lists\\a.txt");
  Sim::ScriptMessageBoxAnswer(Win::IDYES);
  Sim::ScriptDialog({{IDC_CLIPBOARD}, DialogEnd::Ok});
  Run("C:\\Lists\\a.txt");
  EXPECT_EQ(Option(), "1");
}

// Faults: nothing of the user's is lost, and the program ends as usual.

TEST_F(SettingsProgram, ARenameOntoAnExistingNameKeepsBothFilesByteForByte) {
  Sim::AddFolder("C:\\Lists");
  const std::string text = "http://a.example/text\r\n", list = "; list\r\nhttp://a.example/list\r\n";
  Sim::AddFile("C:\\Lists\\a.txt", text);
  Sim::AddFile("C:\\Lists\\a.vlf", list);
  Sim::AddFile("C:\\Lists\\b.vlf", "b");
  Sim::AddFolder("C:\\Lists\\b.txt");  // a folder of the new name
  Sim::ScriptMessageBoxAnswer(Win::IDYES);
  EXPECT_EQ(Run("C:\\Lists\\a.txt C:\\Lists\\a.vlf C:\\Lists\\b.vlf"), 0);
  EXPECT_EQ(Sim::FileContent("C:\\Lists\\a.txt"), text);
  EXPECT_EQ(Sim::FileContent("C:\\Lists\\a.vlf"), list);
  EXPECT_EQ(Sim::FileContent("C:\\Lists\\b.vlf"), "b");
  EXPECT_FALSE(Sim::FileContent("C:\\Lists\\b.txt"));  // still the folder
  EXPECT_EQ(Sim::Dialogs().size(), 1u);
}

TEST_F(SettingsProgram, OkRewritesTheOptionAndKeepsEveryOtherByteOfVorlaIni) {
  const std::string others =
      "; my settings\r\n[Other]\r\n  key = value  \r\nExecuteURLInClipboard=0\r\n\r\n[Option]\r\n; the option\r\n";
  const std::string last = "More=x\r\n\r\n[Last]\r\nz=\x82\xA0\tend";
  struct Row {
    std::string before, after;
  } rows[] = {
      {others + "ExecuteURLInClipboard=0\r\n" + last, others + "ExecuteURLInClipboard=1\r\n" + last},
      {others + "  executeurlinclipboard = 0  \r\n" + last, others + "executeurlinclipboard=1\r\n" + last},
      {others + last, others + "More=x\r\nExecuteURLInClipboard=1\r\n\r\n[Last]\r\nz=\x82\xA0\tend"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    SetUp();
    Sim::AddFile(kSettingsFile, rows[i].before);
    Sim::ScriptDialog({{IDC_CLIPBOARD}, DialogEnd::Ok});
    EXPECT_EQ(Run(), 0) << "row " << i;
    EXPECT_EQ(Sim::FileContent(kSettingsFile), rows[i].after) << "row " << i;
  }
}

TEST_F(SettingsProgram, AnUnwritableVorlaIniLeavesTheDialogClosingAsUsual) {
  const std::string before = "[Option]\r\nExecuteURLInClipboard=0\r\n";
  enum class Fault { ReadOnly, Folder, HeldByAnother, AccessDenied };
  for (auto fault : {Fault::ReadOnly, Fault::Folder, Fault::HeldByAnother, Fault::AccessDenied}) {
    Sim::Reset();
    SetUp();
    Win::HANDLE other = nullptr;
    if (fault == Fault::Folder) {
      Sim::AddFolder(kSettingsFile);
    } else {
      Sim::AddFile(kSettingsFile, before, fault == Fault::ReadOnly ? 0x21 : 0x20);
    }
    if (fault == Fault::HeldByAnother) other = Sim::OpenElsewhere(kSettingsFile, Win::GENERIC_READ, Win::FILE_SHARE_READ);
    if (fault == Fault::AccessDenied) Sim::DenyAccess(kSettingsFile);
    Sim::ScriptDialog({{IDC_CLIPBOARD}, DialogEnd::Ok});
    EXPECT_EQ(Run(), 0) << static_cast<int>(fault);
    const auto& dialog = OnlyDialog();
    EXPECT_EQ(dialog.result, 0) << static_cast<int>(fault);
    EXPECT_TRUE(dialog.destroyed) << static_cast<int>(fault);
    EXPECT_EQ(Sim::PostedQuitCode(), 0) << static_cast<int>(fault);
    EXPECT_FALSE(Sim::MutexExists("Vorla Option Exists")) << static_cast<int>(fault);
    EXPECT_EQ(Sim::FileContent(kSettingsFile), fault == Fault::Folder ? std::nullopt : std::optional(before))
        << static_cast<int>(fault);
    if (other != nullptr) Win::CloseHandle(other);
  }
}

}  // namespace
