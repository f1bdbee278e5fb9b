// The TinyUtils text and file operations themselves, on the simulation and on Windows: what
// the programs get from them must not depend on which platform answers.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Bytes.h"
#include "Fixture.h"
#include "TinyUtilsFiles.h"
#include "TinyUtilsText.h"
#include "platform/WinConstants.h"

using namespace TinyUtils;

namespace {

constexpr Win::FILETIME kMarch2015{0x46FC9800, 0x01D05E53};  // 2015-03-14 12:34:56 UTC
constexpr std::uint32_t kLinkSearch = 0x2F;  // what the Send To code asks for: every file

TEST(TinyUtilsContract, PathsThroughDoubleByteCharacters) {
  EXPECT_EQ(Hex(ExtractFolder("表\\a.txt")), Hex("表\\"));
  EXPECT_EQ(Hex(ExtractFolder("xソ")), "");
  EXPECT_EQ(Hex(RemoveTrailingBackslash("Cソ")), Hex("Cソ"));
  EXPECT_EQ(Hex(ExtractExtension("C:\\表\\予定.Vlf")), Hex(".Vlf"));
}

TEST(TinyUtilsContract, CaseAndWidth) {
  EXPECT_EQ(Hex(LowerCase(".ＴＸＴ.Txt表")), Hex(".ｔｘｔ.txt表"));
  EXPECT_EQ(Hex(UpperCase("vorla.exe ａ")), Hex("VORLA.EXE Ａ"));
  EXPECT_EQ(ToHalfWidth("ｈｔｔｐ：／／ｗｗｗ．ｅｘａｍｐｌｅ．ｃｏｍ／　"), "http://www.example.com/ ");
  EXPECT_EQ(Hex(ToHalfWidth("ガイド　ページ")), Hex("ｶﾞｲﾄﾞ ﾍﾟｰｼﾞ"));
  EXPECT_EQ(ToHalfWidth("http://a.b/"), "http://a.b/");
  EXPECT_EQ(ToHalfWidth(""), "");
}

TEST(TinyUtilsContract, FileExistsOnlyForFiles) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::MakeFolder(folder + "old.txt");
  Fixture::WriteFile(folder + "hidden.vlf", "x", 0x22);
  Fixture::WriteFile(folder + "readonly.vlf", "x", 0x21);
  struct Row {
    std::string path;
    bool exists;
  } rows[] = {
      {folder + "old.txt", false}, {folder + "hidden.vlf", true}, {folder + "readonly.vlf", true},
      {folder + "missing.vlf", false}, {folder + "missing\\a.vlf", false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(FileExists(rows[i].path), rows[i].exists) << "row " << i << ": " << rows[i].path;
  }
}

TEST(TinyUtilsContract, GetLongPathOfShortAndMissingNames) {
  std::string folder = Fixture::NewScratchFolder();
  std::string longPath = folder + "Vorla launcher.exe";
  Fixture::WriteFile(longPath, "MZ");
  EXPECT_EQ(GetLongPath(Fixture::ShortPathOf(longPath)), longPath);
  EXPECT_EQ(GetLongPath(longPath), longPath);
  EXPECT_EQ(GetLongPath(folder + "missing.exe"), "");
  EXPECT_EQ(GetLongPath(""), "");
}

TEST(TinyUtilsContract, SearchFirstEndsWithoutAnOpenSearch) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::MakeFolder(folder + "empty");
  Fixture::MakeFolder(folder + "links");
  Fixture::MakeFolder(folder + "links\\a.lnk");
  Fixture::MakeFolder(folder + "links\\b.lnk");
  TSearchRec search;
  EXPECT_EQ(SearchFirst(folder + "empty\\*.lnk", kLinkSearch, search), Win::ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(search.FindHandle, Win::INVALID_HANDLE_VALUE);
  EXPECT_EQ(SearchFirst(folder + "links\\*.lnk", kLinkSearch, search), Win::ERROR_NO_MORE_FILES);
  EXPECT_EQ(search.FindHandle, Win::INVALID_HANDLE_VALUE);
  EXPECT_EQ(SearchFirst(folder + "missing\\*.lnk", kLinkSearch, search), Win::ERROR_PATH_NOT_FOUND);
}

std::set<std::string> SearchAll(const std::string& pattern, std::uint32_t attributes) {
  std::set<std::string> names;
  TSearchRec search;
  for (std::uint32_t result = SearchFirst(pattern, attributes, search); result == 0; result = SearchNext(search)) {
    names.insert(search.Name);
  }
  SearchEnd(search);
  return names;
}

TEST(TinyUtilsContract, SearchSkipsEntriesByTheirAttributes) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::WriteFile(folder + "plain.lnk", "x", 0x20);
  Fixture::WriteFile(folder + "readonly.lnk", "x", 0x21);
  Fixture::WriteFile(folder + "hidden.lnk", "x", 0x22);
  Fixture::WriteFile(folder + "system.lnk", "x", 0x24);
  Fixture::MakeFolder(folder + "folder.lnk");
  Fixture::WriteFile(folder + "other.txt", "x");
  struct Row {
    std::uint32_t attributes;
    std::set<std::string> names;
  } rows[] = {
      {0x00, {"plain.lnk", "readonly.lnk"}},
      {0x01, {"plain.lnk", "readonly.lnk"}},
      {0x02, {"plain.lnk", "readonly.lnk", "hidden.lnk"}},
      {0x04, {"plain.lnk", "readonly.lnk", "system.lnk"}},
      {0x10, {"plain.lnk", "readonly.lnk", "folder.lnk"}},
      {kLinkSearch, {"plain.lnk", "readonly.lnk", "hidden.lnk", "system.lnk"}},
      {0x3F, {"plain.lnk", "readonly.lnk", "hidden.lnk", "system.lnk", "folder.lnk"}},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(SearchAll(folder + "*.lnk", rows[i].attributes), rows[i].names) << "row " << i;
  }
}

TEST(TinyUtilsContract, SearchRecordOfAMatch) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::WriteFile(folder + "Vorla.lnk", "12345", 0x21);
  Fixture::SetLastWriteTime(folder + "Vorla.lnk", kMarch2015);
  TSearchRec search;
  ASSERT_EQ(SearchFirst(folder + "*.lnk", kLinkSearch, search), 0u);
  EXPECT_EQ(search.Name, "Vorla.lnk");
  EXPECT_EQ(Hex(search.DosTime, 8), "466E645C");  // 2015-03-14 12:34:56
  EXPECT_EQ(search.Size, 5u);
  EXPECT_EQ(Hex(search.Attributes, 2), "21");
  EXPECT_EQ(search.ExcludeMask, 0x10u);
  EXPECT_EQ(SearchNext(search), Win::ERROR_NO_MORE_FILES);
  EXPECT_NE(search.FindHandle, Win::INVALID_HANDLE_VALUE);  // SearchNext leaves the search open
  SearchEnd(search);
  EXPECT_EQ(search.FindHandle, Win::INVALID_HANDLE_VALUE);
  SearchEnd(search);
}

}  // namespace
