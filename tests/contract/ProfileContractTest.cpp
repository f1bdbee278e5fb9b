// The profile functions as TinyIni uses them, on the simulation and on Windows: how values
// are found and read, what a write changes and keeps, and ReadBool on the settings values.
#include <optional>

#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureLauncher.h"
#include "FixtureClipboard.h"
#include "KnownDifferences.h"
#include "TinyIni.h"
#include "platform/Profile.h"

namespace {

const std::string kSample =
    "; settings\r\n"
    "[First]\r\n"
    "ExecuteURLInClipboard=first\r\n"
    "[Option]\r\n"
    "  Spaced  =  a value  \r\n"
    "\tTabbed\t=\tb\t\r\n"
    "Double=\"quoted\"\r\n"
    "Single='quoted'\r\n"
    "Outside=  \" in side \"  \r\n"
    "Half=\"half\r\n"
    "Mixed='mixed\"\r\n"
    "Empty=\r\n"
    "Comment=1 ; not a comment\r\n"
    ";Commented=1\r\n"
    "Twice=1\r\n"
    "Twice=2\r\n"
    "ExecuteURLInClipboard=1\r\n"
    "Long=valuevalue\r\n"
    "Kana=ab\x82\xA0\x82\xA2\r\n"
    "\r\n"
    "[ Blanks ]\r\n"
    "k=blanks\r\n"
    "[\x81\x5D]\r\n"  // "‐", whose second byte is "]"
    "k=dash\r\n"
    "[Option]\r\n"
    "Second=2\r\n"
    "[Lf]\nk=lf\n"
    "[Last]\r\n"
    "k=end";  // no line break at the end
const std::string kLongValue = "[s]\r\nk=" + std::string(1500, 'x') + "\r\n";

TEST(ProfileContract, ReadsValuesAsGetPrivateProfileStringADoes) {
  struct Row {
    const std::string* content;  // null: no such file
    const char* section;
    const char* key;
    const char* defaultValue;
    Win::DWORD size;
    std::string expected;
    bool cutsACharacter;
  } rows[] = {
      {&kSample, "Option", "ExecuteURLInClipboard", "d", 1024, "1", false},
      {&kSample, "oPTION", "executeurlinclipboard", "d", 1024, "1", false},
      {&kSample, "Option", "Spaced", "d", 1024, "a value", false},
      {&kSample, "Option", "Tabbed", "d", 1024, "b", false},
      {&kSample, "Option", "Double", "d", 1024, "quoted", false},
      {&kSample, "Option", "Single", "d", 1024, "quoted", false},
      {&kSample, "Option", "Outside", "d", 1024, " in side ", false},
      {&kSample, "Option", "Half", "d", 1024, "\"half", false},
      {&kSample, "Option", "Mixed", "d", 1024, "'mixed\"", false},
      {&kSample, "Option", "Empty", "d", 1024, "", false},
      {&kSample, "Option", "Comment", "d", 1024, "1 ; not a comment", false},
      {&kSample, "Option", "Commented", "d", 1024, "d", false},
      {&kSample, "Option", "Twice", "d", 1024, "1", false},
      {&kSample, "Option", "Missing", "d", 1024, "d", false},
      {&kSample, "None", "ExecuteURLInClipboard", "d", 1024, "d", false},
      {&kSample, "First", "Spaced", "d", 1024, "d", false},
      {&kSample, "First", "ExecuteURLInClipboard", "d", 1024, "first", false},
      {&kSample, "Option", "Missing", "  def \t  ", 1024, "  def \t", false},
      {&kSample, "Blanks", "k", "d", 1024, "blanks", false},
      {&kSample, "\x81\x5D", "k", "d", 1024, "dash", false},
      {&kSample, "Option", "Second", "d", 1024, "d", false},
      {&kSample, "Lf", "k", "d", 1024, "lf", false},
      {&kSample, "Last", "k", "d", 1024, "end", false},
      {&kSample, "Option", "Long", "d", 5, "valu", false},
      {&kSample, "Option", "Long", "d", 11, "valuevalue", false},
      {&kSample, "Option", "Long", "d", 10, "valuevalu", false},
      {&kSample, "Option", "Long", "d", 1, "", false},
      {&kSample, "Option", "Long", "d", 0, "", false},
      {&kSample, "Option", "Missing", "longdefault", 5, "long", false},
      {&kSample, "Option", "Kana", "d", 5, "ab\x82\xA0", false},
      {&kSample, "Option", "Kana", "d", 4, "ab\x82", true},
      {&kLongValue, "s", "k", "d", 1024, std::string(1023, 'x'), false},
      {nullptr, "Option", "ExecuteURLInClipboard", "no file ", 1024, "no file", false},
  };
  const std::string folder = Fixture::NewScratchFolder();
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    std::string file = folder + "read" + std::to_string(i) + ".ini";
    if (row.content) Fixture::WriteFile(file, *row.content);
    std::string buffer(row.size + 4, '#');
    Win::DWORD count = Win::GetPrivateProfileStringA(row.section, row.key, row.defaultValue, buffer.data(), row.size,
                                                     file.c_str());
    ASSERT_EQ(count, row.expected.size()) << "row " << i << ": " << buffer.substr(0, count);
    std::size_t compared =
        row.cutsACharacter ? KnownDifferences::Expected(KnownDifferences::kProfileCutCharacter, count, count - 1) : count;
    EXPECT_EQ(buffer.substr(0, compared), row.expected.substr(0, compared)) << "row " << i;
    EXPECT_EQ(buffer[count], row.size == 0 ? '#' : '\0') << "row " << i;
  }
}

TEST(ProfileContract, WriteChangesOrAddsOneLineAndCreatesTheFile) {
  struct Row {
    std::optional<std::string> before;  // none: no such file
    const char* section;
    const char* key;
    std::string after;
    std::string afterOnWine;  // empty: as after (KnownDifferences::kProfileRewrite)
  } rows[] = {
      {std::nullopt, "Option", "ExecuteURLInClipboard", "[Option]\r\nExecuteURLInClipboard=1\r\n", ""},
      {"", "Option", "ExecuteURLInClipboard", "[Option]\r\nExecuteURLInClipboard=1\r\n", ""},
      {"[Option]\r\nExecuteURLInClipboard=0\r\nother=x\r\n", "option", "executeurlinclipboard",
       "[Option]\r\nExecuteURLInClipboard=1\r\nother=x\r\n", ""},
      {"; top\r\n[First]\r\na=1\r\n[Option]\r\nother=x\r\n[Last]\r\nz=\x82\xA0\r\n", "Option", "ExecuteURLInClipboard",
       "; top\r\n[First]\r\na=1\r\n[Option]\r\nother=x\r\nExecuteURLInClipboard=1\r\n[Last]\r\nz=\x82\xA0\r\n", ""},
      {"[First]\r\na=1\r\n", "Option", "ExecuteURLInClipboard",
       "[First]\r\na=1\r\n[Option]\r\nExecuteURLInClipboard=1\r\n", ""},
      {"[Option]\r\nother=x", "Option", "ExecuteURLInClipboard",
       "[Option]\r\nother=x\r\nExecuteURLInClipboard=1\r\n", ""},
      {"[First]\r\na=1", "Option", "ExecuteURLInClipboard",
       "[First]\r\na=1\r\n[Option]\r\nExecuteURLInClipboard=1\r\n", ""},
      {"[Option]\r\nk=0\r\n[Option]\r\nk=2\r\n", "Option", "k", "[Option]\r\nk=1\r\n[Option]\r\nk=2\r\n", ""},
      {"; settings\r\n\r\n[First]\n  a  =  1  \n\n[Option]\r\n ExecuteURLInClipboard = 0\r\n\r\n[Last]\r\nz=2\r\n",
       "Option", "ExecuteURLInClipboard",
       "; settings\r\n\r\n[First]\n  a  =  1  \n\n[Option]\r\nExecuteURLInClipboard=1\r\n\r\n[Last]\r\nz=2\r\n",
       "; settings\r\n[First]\r\na=1\r\n[Option]\r\nExecuteURLInClipboard=1\r\n[Last]\r\nz=2\r\n"},
      {"[Option]\r\nother=x\r\n\r\n[Last]\r\nz=2\r\n", "Option", "ExecuteURLInClipboard",
       "[Option]\r\nother=x\r\nExecuteURLInClipboard=1\r\n\r\n[Last]\r\nz=2\r\n",
       "[Option]\r\nother=x\r\nExecuteURLInClipboard=1\r\n[Last]\r\nz=2\r\n"},
  };
  const std::string folder = Fixture::NewScratchFolder();
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    std::string file = folder + "write" + std::to_string(i) + ".ini";
    if (row.before) Fixture::WriteFile(file, *row.before);
    EXPECT_NE(Win::WritePrivateProfileStringA(row.section, row.key, "1", file.c_str()), 0) << "row " << i;
    const std::string& onWine = row.afterOnWine.empty() ? row.after : row.afterOnWine;
    EXPECT_EQ(Fixture::ReadFile(file), KnownDifferences::Expected(KnownDifferences::kProfileRewrite, row.after, onWine))
        << "row " << i;
  }
}

TEST(ProfileContract, WriteIntoAMissingFolderFails) {
  std::string file = Fixture::NewScratchFolder() + "missing\\Vorla.ini";
  EXPECT_EQ(Win::WritePrivateProfileStringA("Option", "ExecuteURLInClipboard", "1", file.c_str()), 0);
  EXPECT_FALSE(Fixture::Exists(file));
}

TEST(ProfileContract, AFileHeldByAnotherProgramIsReadAndWrittenOnlyWhereItsHandleShares) {
  const std::string before = "[Option]\r\nExecuteURLInClipboard=0\r\n";
  struct Row {
    Win::DWORD access, share;
    const char* read;
    bool written;
  } rows[] = {
      {0x80000000, 0, "d", false},    // GENERIC_READ, not shared
      {0x80000000, 0x1, "0", false},  // shared for reading
      {0x40000000, 0x1, "0", false},  // GENERIC_WRITE, shared for reading
      {0xC0000000, 0x3, "0", true},   // both, shared for both
  };
  const std::string folder = Fixture::NewScratchFolder();
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    std::string file = folder + "held" + std::to_string(i) + ".ini";
    Fixture::WriteFile(file, before);
    Win::HANDLE other = Fixture::HoldFile(file, rows[i].access, rows[i].share);
    EXPECT_EQ(TinyIni::ReadString(file, "Option", "ExecuteURLInClipboard", "d"), rows[i].read) << "row " << i;
    EXPECT_EQ(Win::WritePrivateProfileStringA("Option", "ExecuteURLInClipboard", "1", file.c_str()) != 0,
              rows[i].written)
        << "row " << i;
    Fixture::ReleaseFile(other);
    EXPECT_EQ(Fixture::ReadFile(file), rows[i].written ? "[Option]\r\nExecuteURLInClipboard=1\r\n" : before) << "row " << i;
  }
}

TEST(ProfileContract, BareFileNameStandsInTheWindowsFolder) {
  const std::string name = "vorla-contract-bare.ini";
  const std::string inWindows = Fixture::WindowsFolder() + "\\" + name;
  ASSERT_NE(Win::WritePrivateProfileStringA("Option", "ExecuteURLInClipboard", "1", name.c_str()), 0);
  EXPECT_EQ(Fixture::ReadFile(inWindows), "[Option]\r\nExecuteURLInClipboard=1\r\n");
  Fixture::WriteFile(inWindows, "[Option]\r\nExecuteURLInClipboard=2\r\n");
  EXPECT_EQ(TinyIni::ReadString(name, "Option", "ExecuteURLInClipboard", ""), "2");
  Fixture::RemoveFile(inWindows);
}

TEST(ProfileContract, ReadBoolTakesEveryNonZeroNumberForTrue) {
  struct Row {
    const char* value;
    bool expected;
  } rows[] = {{"1", true},  {"2", true},  {"-1", true},   {"$1", true},  {"0x1", true},
              {"0", false}, {"", false},  {"yes", false}, {"1x", false}};
  const std::string folder = Fixture::NewScratchFolder();
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    std::string file = folder + "bool" + std::to_string(i) + ".ini";
    Fixture::WriteFile(file, std::string("[Option]\r\nExecuteURLInClipboard=") + rows[i].value + "\r\n");
    EXPECT_EQ(TinyIni::ReadBool(file, "Option", "ExecuteURLInClipboard", false), rows[i].expected)
        << "row " << i << ": \"" << rows[i].value << '"';
  }
  // No file, or a value that is no number: the default either way.
  EXPECT_FALSE(TinyIni::ReadBool(folder + "none.ini", "Option", "ExecuteURLInClipboard", false));
  EXPECT_TRUE(TinyIni::ReadBool(folder + "none.ini", "Option", "ExecuteURLInClipboard", true));
  EXPECT_TRUE(TinyIni::ReadBool(folder + "bool7.ini", "Option", "ExecuteURLInClipboard", true));
}

}  // namespace
