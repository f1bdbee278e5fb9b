// Registry keys created, values written, keys found and deleted: what TinyReg relies on.
#include <gtest/gtest.h>

#include "FixtureSettings.h"
#include "TinyReg.h"
#include "platform/WinConstants.h"

namespace {

using Win::HKEY_CURRENT_USER;

// A key path of the test's own, removed at the end of the test.
class ScratchKey {
 public:
  ScratchKey() : path(Fixture::NewScratchRegistryKey()) {}
  ~ScratchKey() { Fixture::RemoveRegistryTree(HKEY_CURRENT_USER, path); }
  const std::string path;
};

TEST(RegistryWriteContract, WrittenStringsReadBackWithTheirZero) {
  ScratchKey scratch;
  ASSERT_TRUE(TinyReg::WriteRegString(HKEY_CURRENT_USER, scratch.path + "\\A\\B\\Name", "Vorlaファイル"));
  ASSERT_TRUE(TinyReg::WriteRegString(HKEY_CURRENT_USER, scratch.path + "\\A\\B\\", "default"));
  auto named = Fixture::ReadRegistryValue(HKEY_CURRENT_USER, scratch.path + "\\A\\B", "Name");
  ASSERT_TRUE(named);
  EXPECT_EQ(named->type, Win::REG_SZ);
  EXPECT_EQ(named->bytes, std::string("Vorlaファイル") + '\0');
  auto byDefault = Fixture::ReadRegistryValue(HKEY_CURRENT_USER, scratch.path + "\\A\\B", "");
  ASSERT_TRUE(byDefault);
  EXPECT_EQ(byDefault->bytes, std::string("default") + '\0');
}

TEST(RegistryWriteContract, KeysAreFoundByTheirKeyPart) {
  ScratchKey scratch;
  Fixture::SetRegistryString(HKEY_CURRENT_USER, scratch.path + "\\Sub", "", "x");
  EXPECT_TRUE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Sub\\"));
  EXPECT_TRUE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Sub\\AnyValue"));
  EXPECT_FALSE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Other\\"));
}

TEST(RegistryWriteContract, OneKeyIsDeletedAndAKeyWithSubkeysIsRefused) {
  ScratchKey scratch;
  Fixture::SetRegistryString(HKEY_CURRENT_USER, scratch.path + "\\Parent\\Child", "", "x");
  Fixture::SetRegistryString(HKEY_CURRENT_USER, scratch.path + "\\Single", "", "x");
  // NT refuses to delete a key that still has subkeys.
  EXPECT_FALSE(TinyReg::DeleteRegKey(HKEY_CURRENT_USER, scratch.path + "\\Parent\\"));
  EXPECT_TRUE(Fixture::RegistryKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Parent\\Child"));
  // A path ending in a backslash deletes the key it names itself.
  EXPECT_TRUE(TinyReg::DeleteRegKey(HKEY_CURRENT_USER, scratch.path + "\\Single\\"));
  EXPECT_FALSE(Fixture::RegistryKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Single"));
  // Otherwise the name after the last backslash is the subkey deleted.
  EXPECT_TRUE(TinyReg::DeleteRegKey(HKEY_CURRENT_USER, scratch.path + "\\Parent\\Child"));
  EXPECT_FALSE(Fixture::RegistryKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Parent\\Child"));
  EXPECT_TRUE(Fixture::RegistryKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Parent"));
  EXPECT_FALSE(TinyReg::DeleteRegKey(HKEY_CURRENT_USER, scratch.path + "\\Missing\\"));
}

}  // namespace
