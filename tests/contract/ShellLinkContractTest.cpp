// Shell link files written and read through the shell link object, the Send To folder,
// and UTF-16 file names: what TinyShlLnk2 relies on.
#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureSettings.h"
#include "TinyShell.h"
#include "TinyShellFolders.h"
#include "TinyShlLnk2.h"
#include "TinyUtilsText.h"
#include "platform/Process.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

namespace {

// COM started for the test, as the settings program starts it, and ended afterwards.
class ShellLinkContract : public ::testing::Test {
 protected:
  void SetUp() override { TinyShell::Startup(); }
  void TearDown() override { TinyShell::End(); }
};

TEST_F(ShellLinkContract, SavedLinksCarryTheirFields) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::WriteFile(folder + "Vorla.exe", "MZ");
  TinyShlLnk2::TShellLinkInfo info;
  info.Target = folder + "Vorla.exe";
  info.Arguments = "/list";
  info.WorkingDirectory = TinyUtils::RemoveTrailingBackslash(folder);
  info.IconFile = folder + "Vorla.exe";
  info.IconIndex = 1;
  info.ShowCommand = 3;
  TinyShlLnk2::CreateShellLink(folder + "Vorla.lnk", info);
  auto link = Fixture::ReadShellLink(folder + "Vorla.lnk");
  ASSERT_TRUE(link);
  EXPECT_EQ(link->target, info.Target);
  EXPECT_EQ(link->arguments, "/list");
  EXPECT_EQ(link->workingDirectory, info.WorkingDirectory);
  EXPECT_EQ(link->iconFile, info.IconFile);
  EXPECT_EQ(link->iconIndex, 1);
  EXPECT_EQ(link->showCommand, 3);
}

TEST_F(ShellLinkContract, TargetsReadBackUnderJapaneseNames) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::MakeFolder(folder + "ツール");
  Fixture::WriteFile(folder + "ツール\\Vorla.exe", "MZ");
  Fixture::WriteShellLink(folder + "送るリンク.lnk", {folder + "ツール\\Vorla.exe", "", folder, "", 0, 1});
  EXPECT_EQ(TinyShlLnk2::GetShellLinkTarget(folder + "送るリンク.lnk"), folder + "ツール\\Vorla.exe");
}

TEST_F(ShellLinkContract, FilesThatAreNoLinksHaveNoTarget) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::WriteFile(folder + "broken.lnk", "this is not a shell link");
  EXPECT_EQ(TinyShlLnk2::GetShellLinkTarget(folder + "broken.lnk"), "");
  EXPECT_EQ(TinyShlLnk2::GetShellLinkTarget(folder + "missing.lnk"), "");
}

TEST_F(ShellLinkContract, ALinkFileOfTheSameNameIsReplaced) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::WriteFile(folder + "Old.exe", "MZ");
  Fixture::WriteFile(folder + "New.exe", "MZ");
  Fixture::WriteShellLink(folder + "Vorla.lnk", {folder + "Old.exe", "", "", "", 0, 1});
  TinyShlLnk2::TShellLinkInfo info;
  info.Target = folder + "New.exe";
  TinyShlLnk2::CreateShellLink(folder + "Vorla.lnk", info);
  EXPECT_EQ(TinyShlLnk2::GetShellLinkTarget(folder + "Vorla.lnk"), folder + "New.exe");
}

TEST_F(ShellLinkContract, TheShellLinkObjectNeedsCom) {
  TinyShell::End();
  Win::IUnknown* object = nullptr;
  EXPECT_NE(Win::CoCreateInstance(Win::CLSID_ShellLink, nullptr, Win::CLSCTX_INPROC_SERVER, Win::IID_IUnknown,
                                  reinterpret_cast<void**>(&object)),
            Win::S_OK);
  EXPECT_EQ(object, nullptr);
  TinyShell::Startup();
  ASSERT_EQ(Win::CoCreateInstance(Win::CLSID_ShellLink, nullptr, Win::CLSCTX_INPROC_SERVER | Win::CLSCTX_LOCAL_SERVER,
                                  Win::IID_IUnknown, reinterpret_cast<void**>(&object)),
            Win::S_OK);
  Win::IShellLinkA* link = nullptr;
  EXPECT_EQ(object->QueryInterface(Win::IID_IShellLinkA, reinterpret_cast<void**>(&link)), Win::S_OK);
  char target[261] = "x";
  EXPECT_EQ(link->GetPath(target, sizeof target, nullptr, Win::SLGP_UNCPRIORITY), Win::S_FALSE);
  EXPECT_STREQ(target, "");
  link->Release();
  object->Release();
}

TEST(SpecialFolderContract, SendToIsAnExistingFolderEndingInABackslash) {
  std::string expected = Fixture::SendToFolder();
  ASSERT_FALSE(expected.empty());
  std::string folder = TinyShell::GetSendToFolder();
  EXPECT_EQ(folder, expected + "\\");
  EXPECT_TRUE(Fixture::Exists(folder));
}

TEST(TextContract, AnsiTextsBecomeUtf16) {
  const Win::WCHAR expected[] = {u'V', u'o', u'r', u'l', u'a', 0x30D5, 0x30A1, 0x30A4, 0x30EB, 0};
  EXPECT_EQ(Win::MultiByteToWideChar(Win::CP_ACP, 0, "Vorlaファイル", -1, nullptr, 0), 10);
  Win::WCHAR wide[10] = {};
  EXPECT_EQ(Win::MultiByteToWideChar(Win::CP_ACP, 0, "Vorlaファイル", -1, wide, 10), 10);
  EXPECT_EQ(std::u16string(wide), std::u16string(expected));
  Win::SetLastError(0xdeadbeef);
  EXPECT_EQ(Win::MultiByteToWideChar(Win::CP_ACP, 0, "Vorlaファイル", -1, wide, 9), 0);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(Win::MultiByteToWideChar(Win::CP_ACP, 0, "Vorla", 5, wide, 10), 5);  // no terminator counted
}

}  // namespace
