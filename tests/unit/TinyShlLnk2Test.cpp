// Shell link files and the launcher's shortcuts in the Send To and Startup folders,
// against the simulated shell.
#include <gtest/gtest.h>

#include "TinyShellFolders.h"
#include "TinyShlLnk2.h"
#include "TinyUtilsFiles.h"
#include "platform/Files.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimShellLink.h"

namespace {

using Sim::ShellLinkData;
using Links = std::vector<std::pair<std::string, std::string>>;

const std::string kLauncher = "C:\\Vorla\\Vorla.exe";

class ShellLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    TinyShlLnk2::Startup();
    sendTo_ = Sim::SpecialFolderPath(Win::CSIDL_SENDTO) + "\\";
    Sim::AddFolder(sendTo_);
  }
  void TearDown() override {
    TinyShlLnk2::End();
    EXPECT_EQ(Sim::LiveShellLinkObjects(), 0);
  }

  void AddLink(const std::string& name, const std::string& target, const std::string& description = {}) {
    Sim::AddShellLink(sendTo_ + name, ShellLinkData{.target = target, .description = description});
  }
  // The link files of Send To with their targets, in the order of the file system.
  Links LinksInSendTo() const {
    Links links;
    TinyUtils::TSearchRec search;
    if (TinyUtils::SearchFirst(sendTo_ + "*.lnk", 0x2F, search) != 0) return links;
    do {
      auto link = Sim::ReadShellLink(sendTo_ + search.Name);
      links.emplace_back(search.Name, link ? link->target : "(no link)");
    } while (TinyUtils::SearchNext(search) == 0);
    TinyUtils::SearchEnd(search);
    return links;
  }
  static TinyShlLnk2::TShellLinkInfo LauncherLink(const std::string& target = kLauncher) {
    TinyShlLnk2::TShellLinkInfo info;
    info.Target = target;
    info.WorkingDirectory = "C:\\Vorla";
    info.IconFile = target;
    return info;
  }

  std::string sendTo_;
};

TEST_F(ShellLinks, PathsLongerThan260BytesAreSavedWholeButNeverRead) {
  std::string folder = "C:\\" + std::string(120, 'a') + "\\" + std::string(120, 'b') + "\\";
  Sim::AddFolder(folder);
  std::string path = folder + "Vorla shortcut with a long name.lnk";
  ASSERT_GT(path.size(), 260u);
  TinyShlLnk2::CreateShellLink(path, LauncherLink());
  ASSERT_TRUE(Sim::ReadShellLink(path));
  EXPECT_EQ(Sim::ReadShellLink(path)->target, kLauncher);
  EXPECT_EQ(TinyShlLnk2::GetShellLinkTarget(path), "");
}

TEST_F(ShellLinks, ExistsForAnyLinkToAFileOfTheProgramsName) {
  struct Row {
    std::string name, target;
    bool expected;
  } rows[] = {
      {"Vorla.lnk", kLauncher, true},
      {"Send to list runner.lnk", "D:\\Old\\VORLA.EXE", true},  // any folder, any letter case
      {"Vorla.lnk", "C:\\Tools\\Other.exe", false},
      {"Vorla.lnk", "C:\\Vorla\\Vorla.exe.bak", false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::AddFolder(sendTo_);
    AddLink(rows[i].name, rows[i].target);
    EXPECT_EQ(TinyShlLnk2::ShellLinkExists("Vorla.exe", true), rows[i].expected) << "row " << i;
    Win::DeleteFileA((sendTo_ + rows[i].name).c_str());
  }
  EXPECT_FALSE(TinyShlLnk2::ShellLinkExists("Vorla.exe", true));  // an empty folder
}

TEST_F(ShellLinks, InstallLeavesOnlyTheNamedLinkToTheTarget) {
  struct Row {
    Links before;
    Links after;
  } rows[] = {
      {{{"Vorla (2).lnk", kLauncher}}, {{"Vorla.lnk", kLauncher}}},
      {{{"vorla.lnk", kLauncher}}, {{"Vorla.lnk", kLauncher}}},  // the link's name is compared byte for byte
      {{{"Vorla.lnk", "c:\\vorla\\VORLA.exe"}}, {{"Vorla.lnk", "c:\\vorla\\VORLA.exe"}}},  // kept as it was
      {{{"Vorla.lnk", "D:\\Old\\Vorla.exe"}}, {{"Vorla.lnk", kLauncher}}},
      {{{"Vorla.lnk", "C:\\Tools\\Other.exe"}}, {{"Vorla.lnk", kLauncher}}},
      {{{"Other.lnk", "C:\\Tools\\Other.exe"}}, {{"Other.lnk", "C:\\Tools\\Other.exe"}, {"Vorla.lnk", kLauncher}}},
      {{{"Copy of Vorla.lnk", kLauncher}, {"Vorla.lnk", kLauncher}}, {{"Vorla.lnk", kLauncher}}},
      {{{"Broken.lnk", ""}}, {{"Broken.lnk", "(no link)"}, {"Vorla.lnk", kLauncher}}},
      {{}, {{"Vorla.lnk", kLauncher}}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Sim::Reset();
    SetUp();
    for (const auto& [name, target] : rows[i].before) {
      if (target.empty()) {
        Sim::AddFile(sendTo_ + name, "not a link");
      } else {
        AddLink(name, target);
      }
    }
    TinyShlLnk2::InstallShellLink("Vorla.lnk", LauncherLink(), true);
    EXPECT_EQ(LinksInSendTo(), rows[i].after) << "row " << i;
  }
}

TEST_F(ShellLinks, RemoveDeletesEveryLinkToTheProgramsName) {
  AddLink("Vorla.lnk", "D:\\Old\\Vorla.exe");
  AddLink("My launcher.lnk", kLauncher);
  AddLink("Other.lnk", "C:\\Tools\\Other.exe");
  Sim::AddFolder(sendTo_ + "Folder.lnk");  // a folder is never taken for a link
  TinyShlLnk2::RemoveShellLinks("Vorla.exe", true);
  EXPECT_EQ(LinksInSendTo(), (Links{{"Other.lnk", "C:\\Tools\\Other.exe"}}));
  EXPECT_TRUE(Sim::PathExists(sendTo_ + "Folder.lnk"));
}

TEST_F(ShellLinks, TheStartupFolderIsUsedWhenSendToIsNotChosen) {
  std::string startup = TinyShell::GetStartupFolder();
  ASSERT_EQ(startup, "");  // not there yet
  Sim::AddFolder(Sim::SpecialFolderPath(Win::CSIDL_STARTUP));
  startup = TinyShell::GetStartupFolder();
  TinyShlLnk2::InstallShellLink("Vorla.lnk", LauncherLink(), false);
  EXPECT_TRUE(Sim::ReadShellLink(startup + "Vorla.lnk"));
  EXPECT_TRUE(TinyShlLnk2::ShellLinkExists("Vorla.exe", false));
  EXPECT_FALSE(TinyShlLnk2::ShellLinkExists("Vorla.exe", true));
  TinyShlLnk2::RemoveShellLinks("Vorla.exe", false);
  EXPECT_FALSE(Sim::PathExists(startup + "Vorla.lnk"));
}

TEST_F(ShellLinks, WithoutASendToFolderNothingHappensInTheCurrentFolder) {
  Sim::SetSpecialFolderPath(Win::CSIDL_SENDTO, "C:\\Profile\\NoSendTo");
  Sim::AddFolder("C:\\Work");
  Sim::SetCurrentFolder("C:\\Work");
  Sim::AddShellLink("C:\\Work\\Vorla.lnk", ShellLinkData{.target = kLauncher});
  EXPECT_FALSE(TinyShlLnk2::ShellLinkExists("Vorla.exe", true));
  TinyShlLnk2::RemoveShellLinks("Vorla.exe", true);
  EXPECT_TRUE(Sim::PathExists("C:\\Work\\Vorla.lnk"));
  Win::DeleteFileA("C:\\Work\\Vorla.lnk");
  TinyShlLnk2::InstallShellLink("Vorla.lnk", LauncherLink(), true);
  EXPECT_FALSE(Sim::PathExists("C:\\Work\\Vorla.lnk"));
}

TEST_F(ShellLinks, WithoutAShellLinkObjectTheOperationsAreSkipped) {
  for (auto failure : {Sim::ShellLinkFailure::CreateInstance, Sim::ShellLinkFailure::ShellLinkInterface,
                       Sim::ShellLinkFailure::PersistFileInterface}) {
    Sim::SetShellLinkFailure(Sim::ShellLinkFailure::None);
    AddLink("Vorla.lnk", "D:\\Old\\Vorla.exe");
    Sim::SetShellLinkFailure(failure);
    EXPECT_FALSE(TinyShlLnk2::ShellLinkExists("Vorla.exe", true)) << static_cast<int>(failure);
    TinyShlLnk2::RemoveShellLinks("Vorla.exe", true);
    TinyShlLnk2::InstallShellLink("Vorla.lnk", LauncherLink(), true);
    EXPECT_EQ(LinksInSendTo(), (Links{{"Vorla.lnk", "D:\\Old\\Vorla.exe"}})) << static_cast<int>(failure);
    EXPECT_EQ(Sim::LiveShellLinkObjects(), 0) << static_cast<int>(failure);
  }
}

TEST_F(ShellLinks, CorruptLinkFilesReadAsNoTargetAndStayAsTheyWere) {
  Sim::AddShellLink(sendTo_ + "model.lnk", ShellLinkData{.target = kLauncher});
  const std::string link = *Sim::FileContent(sendTo_ + "model.lnk");
  Win::DeleteFileA((sendTo_ + "model.lnk").c_str());
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = link;
    return text.replace(text.find(from), from.size(), to);
  };
  const std::string corrupt[] = {
      "",
      std::string(5000, '\xFF'),
      link.substr(0, link.size() / 2),
      replaced("IconIndex=0", "IconIndex=99999999999999999999"),
      replaced("ShowCommand=1", "ShowCommand=normal"),
      replaced("Hotkey=0", "Hotkey=70000"),
  };
  for (std::size_t i = 0; i < std::size(corrupt); ++i) {
    std::string name = "Vorla" + std::to_string(i) + ".lnk";
    Sim::AddFile(sendTo_ + name, corrupt[i]);
    EXPECT_EQ(TinyShlLnk2::GetShellLinkTarget(sendTo_ + name), "") << "file " << i;
  }
  EXPECT_FALSE(TinyShlLnk2::ShellLinkExists("Vorla.exe", true));
  TinyShlLnk2::RemoveShellLinks("Vorla.exe", true);
  TinyShlLnk2::InstallShellLink("Vorla.lnk", LauncherLink(), true);
  for (std::size_t i = 0; i < std::size(corrupt); ++i) {
    EXPECT_EQ(Sim::FileContent(sendTo_ + "Vorla" + std::to_string(i) + ".lnk"), corrupt[i]) << "file " << i;
  }
  EXPECT_EQ(Sim::ReadShellLink(sendTo_ + "Vorla.lnk")->target, kLauncher);
}

TEST(TinyShellFolders, SpecialFoldersEndInABackslashAndMustExist) {
  EXPECT_EQ(TinyShell::GetSendToFolder(), "");  // an existing one: SpecialFolderContract
  Sim::SetSpecialFolderPath(Win::CSIDL_SENDTO, "C:\\");
  EXPECT_EQ(TinyShell::GetSendToFolder(), "C:\\");
  EXPECT_EQ(TinyShell::GetSpecialFolder(5), "");  // a folder the shell does not know
}

}  // namespace
