// Windows only: the release package as a user meets it, run by scripts/check-package.sh in
// a fresh Wine prefix on the unpacked ZIP (VORLA_PACKAGE_DIR): the files are there, the
// guide reads in Notepad, the checker finds nothing wrong with the sample list, VLOption.exe
// registers the association and the Send To shortcut, and the sample list opened the way
// the shell opens it reaches the browser.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/E2e.h"

using namespace E2e;
using namespace std::string_literals;

namespace {

std::string PackageFolder() {
  const char* folder = std::getenv("VORLA_PACKAGE_DIR");
  return folder != nullptr ? std::string(folder) + "\\" : std::string();
}

TEST(Package, HoldsTheProgramsTheGuideTheLicenseAndASampleTheCheckerFindsRight) {
  ASSERT_FALSE(PackageFolder().empty()) << "VORLA_PACKAGE_DIR names the unpacked package";
  for (const char* name : {"Vorla.exe", "VLOption.exe", "VLCheck.exe", "はじめにお読みください.txt", "LICENSE.txt",
                           "sample.vlf"}) {
    EXPECT_NE(GetFileAttributesA((PackageFolder() + name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
  }
  // The guide is code page 932 text with CR LF line ends, as Notepad on Japanese Windows reads it.
  std::string guide = ReadAll(PackageFolder() + "はじめにお読みください.txt");
  ASSERT_FALSE(guide.empty());
  int size = static_cast<int>(guide.size());
  EXPECT_NE(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, guide.data(), size, nullptr, 0), 0);
  for (std::size_t lf = guide.find('\n'); lf != std::string::npos; lf = guide.find('\n', lf + 1)) {
    ASSERT_TRUE(lf > 0 && guide[lf - 1] == '\r') << "a line end without CR at byte " << lf;
  }
  EXPECT_NE(guide.find("アンインストール"), std::string::npos);
  Output checked = RunCaptured(Quoted(PackageFolder() + "VLCheck.exe") + " " + Quoted(PackageFolder() + "sample.vlf"));
  EXPECT_EQ(checked.exitCode, 0u) << checked.text;
}

TEST(Package, SettingsRegisterTheAssociationAndShortcutAndASampleOpensThroughTheShellsCommand) {
  ProbeBrowser browser;
  EXPECT_EQ(RunSettings(PackageFolder() + "VLOption.exe", {kAssociateBox, kSendToBox}).exitCode, 0u);
  EXPECT_NE(GetFileAttributesA((SendToFolder() + "Vorla.lnk").c_str()), INVALID_FILE_ATTRIBUTES);

  // The shell opens a list file with the registered command, %1 replaced by its path.
  EXPECT_EQ(ClassesValue(".vlf"), "VorlaFile\0"s);
  std::string line = ClassesValue("VorlaFile\\shell\\open\\command").c_str();
  std::size_t placeholder = line.find("%1");
  ASSERT_NE(placeholder, std::string::npos) << line;
  EXPECT_EQ(Process(line.replace(placeholder, 2, PackageFolder() + "sample.vlf")).Wait(), 0u) << line;
  EXPECT_EQ(browser.Arguments().at(0), "http://www.example.com/");
}

}  // namespace
