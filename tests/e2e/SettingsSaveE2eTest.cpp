// Windows only: OK in the real VLOption.exe under Wine when Vorla.ini cannot be written: one
// warning names the clipboard option with the system's reason, and the Send To shortcut is
// saved all the same. (With everything writable, SettingsE2eTest.cpp's OK ends without
// a warning: the program would wait for it to be closed.)
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "E2e.h"

namespace {

constexpr int kSendToBox = 1002, kClipboardBox = 1003;

// The first line of the system's text for an error number.
std::string SystemText(DWORD error) {
  char text[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                 nullptr);
  return std::string(text, std::strcspn(text, "\r\n"));
}

TEST(SettingsSaveE2e, OkWithVorlaIniUnwritableWarnsOfTheOptionAloneAndSavesTheShortcut) {
  E2e::TempFolder folder;
  CopyFileA(E2e::SettingsPath().c_str(), (folder.Path() + "VLOption.exe").c_str(), FALSE);
  CopyFileA(E2e::LauncherPath().c_str(), (folder.Path() + "Vorla.exe").c_str(), FALSE);
  std::string settingsFile = folder.MakeFolder("Vorla.ini");  // no file of that name can be written
  ASSERT_FALSE(WritePrivateProfileStringA("Option", "ExecuteURLInClipboard", "1", settingsFile.c_str()));
  DWORD error = GetLastError();
  std::string link = E2e::SendToFolder() + "Vorla.lnk";
  DeleteFileA(link.c_str());

  E2e::Process program(E2e::Quoted(folder.Path() + "VLOption.exe"));
  HWND dialog = E2e::AwaitSettingsWindow(kSendToBox);
  ASSERT_NE(dialog, nullptr);
  E2e::Click(dialog, kSendToBox);
  E2e::Click(dialog, kClipboardBox);
  E2e::Press(dialog, IDOK);
  const std::string shown = E2e::DismissSettingsWarning();
  for (const std::string& part : {std::string("次の設定を保存できませんでした。"),
                                  "・クリップボード内のURLを実行 (Vorla.ini): " + SystemText(error),
                                  "(エラー " + std::to_string(error) + ")\n  Vorla のフォルダーを書き込みのできる場所"}) {
    EXPECT_NE(shown.find(part), std::string::npos) << part << " in\n" << shown;
  }
  for (const char* saved : {"関連付け", "送る"}) EXPECT_EQ(shown.find(saved), std::string::npos) << saved << " in\n" << shown;
  EXPECT_EQ(program.Wait(), 0u);
  EXPECT_NE(GetFileAttributesA(link.c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileA(link.c_str());
}

}  // namespace
