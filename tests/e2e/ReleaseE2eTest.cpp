// Windows only: what Windows shows of the programs in Explorer and what it reads before
// starting them: the version information and the application manifest of each program.
#include <gtest/gtest.h>

#include "e2e/E2e.h"

namespace {

std::string VersionString(const std::string& program, const char* name) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(program.c_str(), &ignored);
  if (size == 0) return "(no version information)";
  std::string block(size, '\0');
  if (!GetFileVersionInfoA(program.c_str(), 0, size, block.data())) return "(unreadable)";
  void* value = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\041104B0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || length == 0) return "(missing)";
  return static_cast<const char*>(value);
}

std::string Manifest(const std::string& program) {
  HMODULE image = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (image == nullptr) return {};
  std::string text;
  if (HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {  // RT_MANIFEST
    text.assign(static_cast<const char*>(LockResource(LoadResource(image, found))), SizeofResource(image, found));
  }
  FreeLibrary(image);
  return text;
}

TEST(ReleaseE2e, BothProgramsCarryVersionInformationAndAnAsInvokerManifest) {
  struct Row {
    std::string path;
    const char* description;  // code page 932, as VerQueryValueA gives it on a Japanese system
  } rows[] = {{E2e::LauncherPath(), "Vorla ランチャー"}, {E2e::SettingsPath(), "Vorla 動作設定"}};
  for (const auto& row : rows) {
    EXPECT_EQ(VersionString(row.path, "ProductName"), "Vorla") << row.path;
    EXPECT_EQ(VersionString(row.path, "ProductVersion"), VORLA_VERSION) << row.path;
    EXPECT_EQ(VersionString(row.path, "FileDescription"), row.description) << row.path;
    std::string manifest = Manifest(row.path);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << row.path << "\n" << manifest;
    EXPECT_NE(manifest.find("<supportedOS"), std::string::npos) << row.path;
    // The manifest names the image's own architecture, as this test program's build.
    const char* architecture = sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    EXPECT_NE(manifest.find(architecture), std::string::npos) << row.path << "\n" << manifest;
  }
}

}  // namespace
