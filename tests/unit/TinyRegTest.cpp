// Registry values through one path text, and the ".vlf" file type, against the simulated
// registry of both platform families.
#include <gtest/gtest.h>

#include "TinyReg.h"
#include "VLOptionUtils.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShellLink.h"

namespace {

using Win::HKEY_CLASSES_ROOT;
using Win::HKEY_CURRENT_USER;

std::string StoredString(const std::string& keyPath) {
  auto value = Sim::GetRegistryValue(HKEY_CLASSES_ROOT, keyPath, "");
  return value && value->type == Win::REG_SZ ? value->data : "(none)";
}

// A string as programs store it: its bytes and one zero byte.
std::string WithZero(const std::string& text) { return text + '\0'; }

void UseWindows98() {
  Sim::SetPlatform(Win::VER_PLATFORM_WIN32_WINDOWS, 4, 10);
}

TEST(TinyReg, LastCharPosIsAPlainByteSearchFromTheEnd) {
  struct Row {
    std::string text;
    std::size_t expected;
  } rows[] = {
      {"", 0}, {"abc", 0}, {"\\", 1}, {"a\\b\\c", 4}, {"a\\b\\", 4},
      {"表", 2},  // 95 5C: the second byte of the double-byte character counts
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(TinyReg::LastCharPos('\\', rows[i].text), rows[i].expected) << "row " << i;
  }
}

TEST(TinyReg, APathWithoutBackslashIsRefused) {
  EXPECT_FALSE(TinyReg::WriteRegString(HKEY_CURRENT_USER, "Vorla", "text"));
  EXPECT_FALSE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, "Vorla"));
  EXPECT_FALSE(TinyReg::DeleteRegKey(HKEY_CURRENT_USER, "Vorla"));
  EXPECT_TRUE(Sim::RegistryKeyPaths(HKEY_CURRENT_USER).empty());
}

TEST(FileType, RegistrationWritesTheFourEntriesAndNothingElse) {
  Sim::SetRegistryString(HKEY_CLASSES_ROOT, ".vlf", "", "OtherFile");  // another program's type, overwritten
  VLOptionUtils::RegisterFileType("C:\\My Tools\\Vorla.exe");
  EXPECT_EQ(Sim::RegistryKeyPaths(HKEY_CLASSES_ROOT),
            (std::vector<std::string>{".vlf", "VorlaFile", "VorlaFile\\DefaultIcon", "VorlaFile\\shell",
                                      "VorlaFile\\shell\\open", "VorlaFile\\shell\\open\\command"}));
  EXPECT_EQ(StoredString(".vlf"), WithZero("VorlaFile"));
  EXPECT_EQ(StoredString("VorlaFile"), WithZero("Vorla\x83\x74\x83\x40\x83\x43\x83\x8B"));  // Vorlaファイル
  EXPECT_EQ(StoredString("VorlaFile\\DefaultIcon"), WithZero("\"C:\\My Tools\\Vorla.exe\",1"));
  EXPECT_EQ(StoredString("VorlaFile\\shell\\open\\command"),
            WithZero("\"C:\\My Tools\\Vorla.exe\" \"%1\""));
  for (const auto& key : Sim::RegistryKeyPaths(HKEY_CLASSES_ROOT)) {
    auto names = Sim::RegistryValueNames(HKEY_CLASSES_ROOT, key);
    bool hasDefault = key == ".vlf" || key == "VorlaFile" || key == "VorlaFile\\DefaultIcon" ||
                      key == "VorlaFile\\shell\\open\\command";
    EXPECT_EQ(names, hasDefault ? std::vector<std::string>{""} : std::vector<std::string>{}) << key;
  }
  ASSERT_EQ(Sim::ChangeNotifications().size(), 1u);
  EXPECT_EQ(Sim::ChangeNotifications()[0].eventId, 0x08000000);
  EXPECT_EQ(Sim::ChangeNotifications()[0].flags, 0x1000u);
  EXPECT_TRUE(Sim::ChangeNotifications()[0].itemsNull);
  EXPECT_TRUE(VLOptionUtils::IsFileTypeRegistered());
}

TEST(FileType, TheTestAsksForBothKeysOnly) {
  EXPECT_FALSE(VLOptionUtils::IsFileTypeRegistered());
  Sim::AddRegistryKey(HKEY_CLASSES_ROOT, ".vlf");
  EXPECT_FALSE(VLOptionUtils::IsFileTypeRegistered());
  Sim::AddRegistryKey(HKEY_CLASSES_ROOT, "VorlaFile");  // empty, for a launcher anywhere
  EXPECT_TRUE(VLOptionUtils::IsFileTypeRegistered());
}

TEST(FileType, RemovalOnNtLeavesVorlaFileWithItsSubkeys) {
  VLOptionUtils::RegisterFileType("C:\\Old\\Vorla.exe");
  EXPECT_FALSE(VLOptionUtils::UnregisterFileType());
  EXPECT_FALSE(Sim::RegistryKeyExists(HKEY_CLASSES_ROOT, ".vlf"));
  EXPECT_TRUE(Sim::RegistryKeyExists(HKEY_CLASSES_ROOT, "VorlaFile\\shell\\open\\command"));
  EXPECT_FALSE(VLOptionUtils::IsFileTypeRegistered());
  EXPECT_EQ(Sim::ChangeNotifications().size(), 2u);

  VLOptionUtils::RegisterFileType("C:\\New\\Vorla.exe");
  EXPECT_EQ(StoredString("VorlaFile\\shell\\open\\command"), WithZero("\"C:\\New\\Vorla.exe\" \"%1\""));
  EXPECT_EQ(Sim::OpenRegistryKeys(), 0);
}

TEST(FileType, RemovalOnNtStopsAtAVlfKeyWithSubkeys) {
  VLOptionUtils::RegisterFileType("C:\\Vorla\\Vorla.exe");
  Sim::AddRegistryKey(HKEY_CLASSES_ROOT, ".vlf\\ShellNew");
  EXPECT_FALSE(VLOptionUtils::UnregisterFileType());
  EXPECT_TRUE(VLOptionUtils::IsFileTypeRegistered());
  EXPECT_EQ(Sim::ChangeNotifications().size(), 2u);  // told whatever the outcome
}

TEST(FileType, RemovalOnThe95FamilyTakesBothTrees) {
  UseWindows98();
  VLOptionUtils::RegisterFileType("C:\\Vorla\\Vorla.exe");
  EXPECT_TRUE(VLOptionUtils::UnregisterFileType());
  EXPECT_TRUE(Sim::RegistryKeyPaths(HKEY_CLASSES_ROOT).empty());
  EXPECT_FALSE(VLOptionUtils::IsFileTypeRegistered());
}

}  // namespace
