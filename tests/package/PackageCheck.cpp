// Windows only: the release package as a user meets it, run by scripts/check-package.sh in
// a fresh Wine prefix on the unpacked ZIP (VORLA_PACKAGE_DIR): the files are there, the
// guide reads in Notepad, VLOption.exe registers the association and the Send To shortcut,
// and a sample list opened the way the shell opens it reaches the browser.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/E2e.h"

namespace {

std::string PackageFolder() {
  const char* folder = std::getenv("VORLA_PACKAGE_DIR");
  return folder != nullptr ? std::string(folder) + "\\" : std::string();
}

std::string ReadAll(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content(GetFileSize(file, nullptr), '\0');
  DWORD count = 0;
  ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &count, nullptr);
  CloseHandle(file);
  return content;
}

std::string ClassesDefault(const char* keyPath) {
  char data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_CLASSES_ROOT, keyPath, nullptr, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return {};
  return data;
}

TEST(Package, HoldsBothProgramsTheGuideTheLicenseAndASample) {
  ASSERT_FALSE(PackageFolder().empty()) << "VORLA_PACKAGE_DIR names the unpacked package";
  for (const char* name : {"Vorla.exe", "VLOption.exe", "VLCheck.exe", "はじめにお読みください.txt", "LICENSE.txt",
                           "sample.vlf"}) {
    EXPECT_NE(GetFileAttributesA((PackageFolder() + name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
  }
  // The guide is code page 932 text with CR LF line ends, as Notepad on Japanese Windows reads it.
  std::string guide = ReadAll(PackageFolder() + "はじめにお読みください.txt");
  ASSERT_FALSE(guide.empty());
  EXPECT_NE(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, guide.data(), static_cast<int>(guide.size()), nullptr, 0), 0);
  for (std::size_t lf = guide.find('\n'); lf != std::string::npos; lf = guide.find('\n', lf + 1)) {
    ASSERT_TRUE(lf > 0 && guide[lf - 1] == '\r') << "a line end without CR at byte " << lf;
  }
  EXPECT_NE(guide.find("アンインストール"), std::string::npos);
}

TEST(Package, SettingsRegisterTheAssociationAndShortcutAndASampleOpensThroughTheShellsCommand) {
  ASSERT_FALSE(PackageFolder().empty());
  E2e::ProbeBrowser browser;
  {
    E2e::Process settings(E2e::Quoted(PackageFolder() + "VLOption.exe"));
    HWND dialog = E2e::AwaitSettingsWindow(1001);
    ASSERT_NE(dialog, nullptr);
    E2e::Click(dialog, 1001);
    E2e::Click(dialog, 1002);
    E2e::Press(dialog, IDOK);
    EXPECT_EQ(settings.Wait(), 0u);
  }
  char sendTo[MAX_PATH + 1] = {};
  SHGetSpecialFolderPathA(nullptr, sendTo, CSIDL_SENDTO, FALSE);
  EXPECT_NE(GetFileAttributesA((std::string(sendTo) + "\\Vorla.lnk").c_str()), INVALID_FILE_ATTRIBUTES);

  // The shell opens a list file with the registered command, %1 replaced by its path.
  EXPECT_EQ(ClassesDefault(".vlf"), "VorlaFile");
  std::string command = ClassesDefault("VorlaFile\\shell\\open\\command");
  std::size_t placeholder = command.find("%1");
  ASSERT_NE(placeholder, std::string::npos) << command;
  command.replace(placeholder, 2, PackageFolder() + "sample.vlf");
  EXPECT_EQ(E2e::Process(command).Wait(), 0u) << command;

  std::vector<std::string> opened = browser.Arguments();
  ASSERT_FALSE(opened.empty());
  EXPECT_EQ(opened.front(), "http://www.example.com/");
}

}  // namespace
