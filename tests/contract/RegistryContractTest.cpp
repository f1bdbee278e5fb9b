// Registry keys created, values set and queried, keys deleted: what TinyReg relies on.
#include <gtest/gtest.h>

#include "FixtureSettings.h"
#include "TinyReg.h"
#include "platform/Registry.h"
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

TEST(RegistryContract, WrittenStringsReadBackWithTheirZero) {
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

TEST(RegistryContract, QueriesTellTheSizeAndRefuseTooSmallBuffers) {
  ScratchKey scratch;
  Fixture::SetRegistryString(HKEY_CURRENT_USER, scratch.path, "Text", "twelve bytes");
  Win::HKEY key = nullptr;
  ASSERT_EQ(Win::RegOpenKeyExA(HKEY_CURRENT_USER, scratch.path.c_str(), 0, Win::KEY_READ, &key), 0);
  Win::DWORD type = 0, size = 0;
  EXPECT_EQ(Win::RegQueryValueExA(key, "Text", nullptr, &type, nullptr, &size), 0);
  EXPECT_EQ(type, Win::REG_SZ);
  EXPECT_EQ(size, 13u);
  char small[4];
  size = sizeof small;
  EXPECT_EQ(Win::RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<Win::BYTE*>(small), &size),
            static_cast<Win::LONG>(Win::ERROR_MORE_DATA));
  EXPECT_EQ(size, 13u);
  char buffer[32] = {};
  size = sizeof buffer;
  EXPECT_EQ(Win::RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<Win::BYTE*>(buffer), &size), 0);
  EXPECT_STREQ(buffer, "twelve bytes");
  EXPECT_EQ(Win::RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size),
            static_cast<Win::LONG>(Win::ERROR_FILE_NOT_FOUND));
  Win::RegCloseKey(key);
}

TEST(RegistryContract, KeysAreFoundByTheirKeyPart) {
  ScratchKey scratch;
  Fixture::SetRegistryString(HKEY_CURRENT_USER, scratch.path + "\\Sub", "", "x");
  EXPECT_TRUE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Sub\\"));
  EXPECT_TRUE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Sub\\AnyValue"));
  EXPECT_FALSE(TinyReg::RegKeyExists(HKEY_CURRENT_USER, scratch.path + "\\Other\\"));
}

TEST(RegistryContract, OneKeyIsDeletedAndAKeyWithSubkeysIsRefused) {
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
