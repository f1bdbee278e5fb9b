// The file calls the file queries are built on: attributes, renaming onto an existing name,
// long forms of short names, searches and the conversion of file times.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Bytes.h"
#include "Fixture.h"
#include "KnownDifferences.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace {

constexpr Win::FILETIME kMarch2015{0x46FC9800, 0x01D05E53};  // 2015-03-14 12:34:56 UTC

TEST(FilesContract, AttributesOfFoldersFilesAndMissingPaths) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::MakeFolder(folder + "sub");
  Fixture::WriteFile(folder + "hidden.txt", "x", 0x22);
  Fixture::WriteFile(folder + "readonly.txt", "x", 0x21);
  Fixture::WriteFile(folder + "system.txt", "x", 0x24);
  Fixture::WriteFile(folder + "plain.txt", "x", 0x20);
  struct Row {
    std::string path;
    Win::DWORD attributes;
    Win::DWORD error;  // when the attributes are INVALID_FILE_ATTRIBUTES
  } rows[] = {
      {folder + "sub", 0x10, 0},
      {folder + "sub\\", 0x10, 0},
      {folder + "hidden.txt", 0x22, 0},
      {folder + "readonly.txt", 0x21, 0},
      {folder + "system.txt", 0x24, 0},
      {folder + "PLAIN.TXT", 0x20, 0},
      {folder + "missing.txt", Win::INVALID_FILE_ATTRIBUTES, Win::ERROR_FILE_NOT_FOUND},
      {folder + "missing\\plain.txt", Win::INVALID_FILE_ATTRIBUTES, Win::ERROR_PATH_NOT_FOUND},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Win::SetLastError(0xDEADBEEF);
    Win::DWORD attributes = Win::GetFileAttributesA(rows[i].path.c_str());
    EXPECT_EQ(Hex(attributes, 8), Hex(rows[i].attributes, 8)) << "row " << i << ": " << rows[i].path;
    if (attributes == Win::INVALID_FILE_ATTRIBUTES) {
      EXPECT_EQ(Win::GetLastError(), rows[i].error) << "row " << i;
    }
  }
}

TEST(FilesContract, MoveFileNeverReplacesAnExistingFile) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::WriteFile(folder + "list.txt", "first\r\n");
  Fixture::WriteFile(folder + "list.vlf", "second\r\n");
  Win::SetLastError(0xDEADBEEF);
  EXPECT_EQ(Win::MoveFileA((folder + "list.txt").c_str(), (folder + "list.vlf").c_str()), 0);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_ALREADY_EXISTS);
  EXPECT_EQ(Fixture::ReadFile(folder + "list.txt"), "first\r\n");
  EXPECT_EQ(Fixture::ReadFile(folder + "list.vlf"), "second\r\n");

  EXPECT_NE(Win::MoveFileA((folder + "list.txt").c_str(), (folder + "renamed.vlf").c_str()), 0);
  EXPECT_FALSE(Fixture::Exists(folder + "list.txt"));
  EXPECT_EQ(Fixture::ReadFile(folder + "renamed.vlf"), "first\r\n");
  Win::SetLastError(0xDEADBEEF);
  EXPECT_EQ(Win::MoveFileA((folder + "list.txt").c_str(), (folder + "again.vlf").c_str()), 0);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_FILE_NOT_FOUND);
}

TEST(FilesContract, GetLongPathNameExpandsShortNames) {
  std::string folder = Fixture::NewScratchFolder();
  std::string longPath = folder + "A long file name.text";
  Fixture::WriteFile(longPath, "x");
  std::string shortPath = Fixture::ShortPathOf(longPath);
  ASSERT_NE(shortPath, longPath);

  Win::HMODULE kernel = Win::LoadLibraryA("kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  auto getLongPathName = reinterpret_cast<Win::GetLongPathNameAProc>(Win::GetProcAddress(kernel, "GetLongPathNameA"));
  ASSERT_NE(getLongPathName, nullptr);
  char buffer[261] = {};
  EXPECT_EQ(getLongPathName(shortPath.c_str(), buffer, sizeof buffer), longPath.size()) << shortPath;
  EXPECT_EQ(std::string(buffer), longPath);
  EXPECT_EQ(getLongPathName(shortPath.c_str(), buffer, 5), longPath.size() + 1);  // the size needed
  Win::SetLastError(0xDEADBEEF);
  EXPECT_EQ(getLongPathName((folder + "missing.txt").c_str(), buffer, sizeof buffer), 0u);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_FILE_NOT_FOUND);
  EXPECT_NE(Win::FreeLibrary(kernel), 0);
}

std::set<std::string> NamesFound(const std::string& pattern) {
  std::set<std::string> names;
  Win::WIN32_FIND_DATAA data{};
  Win::HANDLE search = Win::FindFirstFileA(pattern.c_str(), &data);
  if (search == Win::INVALID_HANDLE_VALUE) return names;
  do names.insert(data.cFileName);
  while (Win::FindNextFileA(search, &data));
  Win::FindClose(search);
  return names;
}

TEST(FilesContract, SearchesFindEntriesByWildcards) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::MakeFolder(folder + "empty");
  Fixture::WriteFile(folder + "Vorla.lnk", "x");
  Fixture::WriteFile(folder + "list.vlf.lnk", "x");
  Fixture::WriteFile(folder + "list.lnk2", "x");
  Fixture::WriteFile(folder + "readme", "x");
  struct Row {
    std::string pattern;
    std::set<std::string> names;
  } rows[] = {
      {folder + "*.lnk", {"Vorla.lnk", "list.vlf.lnk", "list.lnk2"}},  // the last by its 8.3 name
      {folder + "*.LNK", {"Vorla.lnk", "list.vlf.lnk", "list.lnk2"}},
      {folder + "vorla.*", {"Vorla.lnk"}},
      {folder + "?????.lnk", {"Vorla.lnk"}},
      {folder + "readme", {"readme"}},
      {folder + "empty\\*", {".", ".."}},  // a folder lists itself and its parent
      {folder + "empty\\*.lnk", {}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(NamesFound(rows[i].pattern), rows[i].names) << "row " << i << ": " << rows[i].pattern;
  }
}

TEST(FilesContract, FileTimesConvertToMsDosDatesFrom1980To2107) {
  struct Row {
    Win::FILETIME time;
    bool converts;
    Win::WORD date;
    Win::WORD time2s;
  } rows[] = {
      {kMarch2015, true, 0x466E, 0x645C},
      {{0xE1D58000, 0x01A8E79F}, true, 0x0021, 0x0000},  // 1980-01-01 00:00:00
      {{0x66D29300, 0x023868B8}, true, 0xFF9F, 0xBF7D},  // 2107-12-31 23:59:58
      {{0xE13CE980, 0x01A8E79F}, false, 0, 0},           // 1979-12-31 23:59:59
      {{0xD53E8000, 0x019DB1DE}, false, 0, 0},           // 1970-01-01 00:00:00
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Win::FILETIME local{};
    ASSERT_NE(Win::FileTimeToLocalFileTime(&rows[i].time, &local), 0) << "row " << i;
    EXPECT_EQ(local.dwLowDateTime, rows[i].time.dwLowDateTime) << "row " << i << ": the machine keeps universal time";
    Win::WORD date = 0, time = 0;
    EXPECT_EQ(Win::FileTimeToDosDateTime(&rows[i].time, &date, &time) != 0, rows[i].converts) << "row " << i;
    if (rows[i].converts) {
      EXPECT_EQ(Hex(date, 4) + " " + Hex(time, 4), Hex(rows[i].date, 4) + " " + Hex(rows[i].time2s, 4)) << "row " << i;
    }
  }
  const Win::FILETIME year2108{0x6803C000, 0x023868B8};  // 2108-01-01 00:00:00
  Win::WORD date = 0, time = 0;
  EXPECT_EQ(Win::FileTimeToDosDateTime(&year2108, &date, &time) != 0,
            KnownDifferences::Expected(KnownDifferences::kDosDateAfter2107, false, true))
      << KnownDifferences::kDosDateAfter2107.what;
}

}  // namespace
