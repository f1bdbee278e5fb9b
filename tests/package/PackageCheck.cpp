// Windows only: the release package as a user meets it, run by scripts/check-package.sh in
// a fresh Wine prefix on the unpacked ZIP (VORLA_PACKAGE_DIR): the files are there, the
// three programs carry what Windows shows of them in Explorer and reads before it starts
// them (the machine and subsystem, the description of the version information, the
// application manifest and the icon groups), the guide reads in Notepad, the checker finds
// nothing wrong with the sample list, VLOption.exe registers the association and the Send To
// shortcut, and the sample list opened the way the shell opens it reaches the browser.
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

BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<Strings*>(names)->push_back(IS_INTRESOURCE(name) ? "#" : name);
  return TRUE;
}

TEST(Package, HoldsTheProgramsAsWindowsReadsThemTheGuideTheLicenseAndASampleTheCheckerFindsRight) {
  ASSERT_FALSE(PackageFolder().empty()) << "VORLA_PACKAGE_DIR names the unpacked package";
  // The license is there; the programs, the guide and the sample are read below.
  EXPECT_NE(GetFileAttributesA((PackageFolder() + "LICENSE.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  const struct Row {
    const char* name;
    WORD subsystem;
    const char* description;
    Strings iconGroups;  // in resource order: the association's icon is VLFILEICO, index 1
  } rows[] = {
      {"Vorla.exe", IMAGE_SUBSYSTEM_WINDOWS_GUI, "Vorla ランチャー", {"VLEXEICO", "VLFILEICO"}},
      {"VLOption.exe", IMAGE_SUBSYSTEM_WINDOWS_GUI, "Vorla 動作設定", {"MAINICON"}},
      {"VLCheck.exe", IMAGE_SUBSYSTEM_WINDOWS_CUI, "Vorla リスト チェッカー", {}},
  };
  for (const auto& row : rows) {
    std::string path = PackageFolder() + row.name, image = ReadAll(path);
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER)) << row.name;
    // Images of the build's own word size, as this test program is, and so says the manifest.
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        image.data() + reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data())->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386) << row.name;
    EXPECT_EQ(nt->OptionalHeader.Subsystem, row.subsystem) << row.name;
    // The version information holds its texts in UTF-16; the manifest is in UTF-8 as written.
    std::wstring wide = Wide(row.description);
    std::string description(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    std::string architecture = sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    for (const std::string& text : {description, std::string("level=\"asInvoker\""), std::string("<supportedOS"), architecture}) {
      EXPECT_NE(image.find(text), std::string::npos) << row.name << " " << text;
    }
    HMODULE program = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    Strings names;
    EnumResourceNamesA(program, RT_GROUP_ICON, AddName, reinterpret_cast<LONG_PTR>(&names));
    EXPECT_EQ(names, row.iconGroups) << row.name;
    FreeLibrary(program);
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
