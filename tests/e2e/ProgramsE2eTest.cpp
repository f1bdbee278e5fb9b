// Windows only: what Windows shows of the three programs in Explorer and reads before it
// starts them: one folder, the machine and subsystem, the description of the version
// information, the application manifest and the icon groups.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;

namespace {

BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<Strings*>(names)->push_back(IS_INTRESOURCE(name) ? "#" : name);
  return TRUE;
}

TEST(ProgramsE2e, EachProgramCarriesWhatWindowsReadsOfIt) {
  const struct Row {
    std::string path;
    WORD subsystem;
    const char* description;
    Strings iconGroups;  // in resource order: the association's icon is VLFILEICO, index 1
  } rows[] = {
      {LauncherPath(), IMAGE_SUBSYSTEM_WINDOWS_GUI, "Vorla ランチャー", {"VLEXEICO", "VLFILEICO"}},
      {SettingsPath(), IMAGE_SUBSYSTEM_WINDOWS_GUI, "Vorla 動作設定", {"MAINICON"}},
      {CheckerPath(), IMAGE_SUBSYSTEM_WINDOWS_CUI, "Vorla リスト チェッカー", {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.path.substr(0, row.path.rfind('\\')), LauncherPath().substr(0, LauncherPath().rfind('\\')));
    std::string image = ReadAll(row.path);
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER)) << row.path;
    // Images of the build's own word size, as this test program is, and so says the manifest.
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        image.data() + reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data())->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386) << row.path;
    EXPECT_EQ(nt->OptionalHeader.Subsystem, row.subsystem) << row.path;
    // The version information holds its texts in UTF-16; the manifest is in UTF-8 as written.
    std::wstring wide = Wide(row.description);
    std::string description(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    std::string architecture = sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    for (const std::string& text : {description, std::string("level=\"asInvoker\""), std::string("<supportedOS"), architecture}) {
      EXPECT_NE(image.find(text), std::string::npos) << row.path << " " << text;
    }
    HMODULE program = LoadLibraryExA(row.path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    Strings names;
    EnumResourceNamesA(program, RT_GROUP_ICON, AddName, reinterpret_cast<LONG_PTR>(&names));
    EXPECT_EQ(names, row.iconGroups) << row.path;
    FreeLibrary(program);
  }
}

}  // namespace
