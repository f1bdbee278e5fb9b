// Environment expansion and registry strings, as the default-browser lookup and list-file
// lines use them.
#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureLauncher.h"
#include "KnownDifferences.h"
#include "TinyUtilsBrowser.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/WinConstants.h"

namespace {

struct Expansion {
  Win::DWORD count;
  std::string text;
};

Expansion Expand(const std::string& source, Win::DWORD size) {
  std::string buffer(size, '#');
  Win::DWORD count = Win::ExpandEnvironmentStringsA(source.c_str(), buffer.data(), size);
  return {count, count <= size ? std::string(buffer.c_str()) : std::string()};
}

TEST(ExpandEnvironmentStringsContract, ReplacesDefinedNamesAndKeepsTheRest) {
  Fixture::SetEnvironment("VORLA_CONTRACT", "abc");
  Fixture::SetEnvironment("VORLA_OTHER", "v");
  struct Row {
    const char* source;
    const char* expected;
  } rows[] = {
      {"x%VORLA_CONTRACT%y", "xabcy"},
      {"%vorla_contract%", "abc"},
      {"%VORLA_UNDEFINED%", "%VORLA_UNDEFINED%"},
      {"%VORLA_UNDEFINED%VORLA_OTHER%", "%VORLA_UNDEFINED%VORLA_OTHER%"},
      {"%%VORLA_OTHER%%", "%%VORLA_OTHER%%"},
      {"100%", "100%"},
      {"a%VORLA_OTHER", "a%VORLA_OTHER"},
      {"", ""},
      {" https://a.example/ ", " https://a.example/ "},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Expansion result = Expand(rows[i].source, 261);
    EXPECT_EQ(result.text, rows[i].expected) << "row " << i;
    EXPECT_EQ(result.count, std::string(rows[i].expected).size() + 1) << "row " << i;
  }
}

TEST(ExpandEnvironmentStringsContract, GivesTheTextBackAsItComesThroughUnicode) {
  struct Row {
    const char* source;
    const char* expected;
  } rows[] = {
      {"\xEF\xBB\xBF;", "\x81\x45\xBF;"},  // the UTF-8 byte-order mark: EF BB is no character, read as ・
      {"\x87\x90", "\x81\xE0"},            // ≒ of the NEC row comes back as the code of its first place
      {"\x93\x56\x8B\x43", "\x93\x56\x8B\x43"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(Expand(rows[i].source, 261).text, rows[i].expected) << "row " << i;
}

TEST(ExpandEnvironmentStringsContract, ReportsTheSizeNeededWhenTheBufferIsTooSmall) {
  std::string value(300, 'a');
  Fixture::SetEnvironment("VORLA_LONG", value);
  Win::SetLastError(0xdeadbeef);
  Expansion small = Expand("x%VORLA_LONG%y", 261);
  EXPECT_EQ(small.count, 303u);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_INSUFFICIENT_BUFFER);
  Expansion fitting = Expand("x%VORLA_LONG%y", small.count);
  EXPECT_EQ(fitting.count, 303u);
  EXPECT_EQ(fitting.text, "x" + value + "y");
  EXPECT_EQ(TinyUtils::ExpandEnvStrings(" x%VORLA_LONG%y "), "x" + value + "y");
}

TEST(ExpandEnvironmentStringsContract, DoubleByteExpansionsComeWhole) {
  std::string value;
  for (int i = 0; i < 200; ++i) value += "\x82\xa0";  // あ, 400 bytes
  Fixture::SetEnvironment("VORLA_JAPANESE", value);
  EXPECT_EQ(TinyUtils::ExpandEnvStrings("%VORLA_JAPANESE%"), value);
  EXPECT_EQ(Win::ExpandEnvironmentStringsA("%VORLA_JAPANESE%", nullptr, 0),
            KnownDifferences::Expected(KnownDifferences::kExpansionCountsCharacters, 401u, 201u))
      << KnownDifferences::kExpansionCountsCharacters.what;
}

class RegistryContract : public ::testing::Test {
 protected:
  void TearDown() override { Fixture::RemoveTestKey(); }

  struct Query {
    Win::LONG result;
    Win::DWORD type;
    Win::DWORD size;
    std::string data;
  };
  // The value's type and size (data null), then its data into a buffer of bufferSize.
  static Query QueryValue(const char* valueName, Win::DWORD bufferSize) {
    Query query{-1, 0, 0, {}};
    Win::HKEY key = nullptr;
    EXPECT_EQ(Win::RegOpenKeyExA(Win::HKEY_CURRENT_USER, Fixture::kTestKey, 0, Win::KEY_QUERY_VALUE, &key), 0);
    query.result = Win::RegQueryValueExA(key, valueName, nullptr, &query.type, nullptr, &query.size);
    if (query.result == 0) {
      std::string buffer(bufferSize, '#');
      Win::DWORD size = bufferSize;
      query.result = Win::RegQueryValueExA(key, valueName, nullptr, &query.type,
                                           reinterpret_cast<Win::BYTE*>(buffer.data()), &size);
      query.data = buffer.substr(0, size);
      if (query.result != 0) query.size = size;
    }
    Win::RegCloseKey(key);
    return query;
  }
};

TEST_F(RegistryContract, ReportsTypeAndSizeThenCopiesTheData) {
  Fixture::SetTestValue("", Win::REG_SZ, std::string("open\0", 5));
  Fixture::SetTestValue("Expand", Win::REG_EXPAND_SZ, std::string("%SystemRoot%\\b.exe\0", 19));
  struct Row {
    const char* valueName;
    Win::DWORD type;
    std::string data;
  } rows[] = {{"", Win::REG_SZ, std::string("open\0", 5)},
              {"Expand", Win::REG_EXPAND_SZ, std::string("%SystemRoot%\\b.exe\0", 19)}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Query query = QueryValue(rows[i].valueName, 100);
    EXPECT_EQ(query.result, 0) << "row " << i;
    EXPECT_EQ(query.type, rows[i].type) << "row " << i;
    EXPECT_EQ(query.size, rows[i].data.size()) << "row " << i;
    EXPECT_EQ(query.data, rows[i].data) << "row " << i;
  }
  EXPECT_EQ(TinyUtils::ReadRegString(Win::HKEY_CURRENT_USER, Fixture::kTestKey, ""), "open");
  EXPECT_EQ(TinyUtils::ReadRegString(Win::HKEY_CURRENT_USER, Fixture::kTestKey, "Expand"), "");
}

TEST_F(RegistryContract, ABufferOneByteShortGetsMoreDataAndTheSizeNeeded) {
  Fixture::SetTestValue("", Win::REG_SZ, std::string("open\0", 5));
  Query query = QueryValue("", 4);
  EXPECT_EQ(query.result, static_cast<Win::LONG>(Win::ERROR_MORE_DATA));
  EXPECT_EQ(query.size, 5u);
}

TEST_F(RegistryContract, AStringStoredWithoutItsZeroKeepsItsLastCharacter) {
  Fixture::SetTestValue("", Win::REG_SZ, "open");
  EXPECT_EQ(TinyUtils::ReadRegString(Win::HKEY_CURRENT_USER, Fixture::kTestKey, ""), "open");
}

TEST_F(RegistryContract, MissingValuesAndKeysAreNotFound) {
  Fixture::SetTestValue("Other", Win::REG_SZ, std::string("x\0", 2));
  Win::HKEY key = nullptr;
  ASSERT_EQ(Win::RegOpenKeyExA(Win::HKEY_CURRENT_USER, Fixture::kTestKey, 0, Win::KEY_QUERY_VALUE, &key), 0);
  Win::DWORD type = 0, size = 0;
  EXPECT_EQ(Win::RegQueryValueExA(key, "", nullptr, &type, nullptr, &size), 2);
  EXPECT_EQ(Win::RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size), 2);
  Win::RegCloseKey(key);
  std::string missingKey = std::string(Fixture::kTestKey) + "\\Missing";
  EXPECT_EQ(Win::RegOpenKeyExA(Win::HKEY_CURRENT_USER, missingKey.c_str(), 0, Win::KEY_QUERY_VALUE, &key), 2);
  EXPECT_EQ(TinyUtils::ReadRegString(Win::HKEY_CURRENT_USER, missingKey, ""), "");
}

}  // namespace
