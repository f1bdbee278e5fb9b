// The clipboard road's decisions: the lines of the clipboard's text, the first address of
// a line, and the dashes and missing "h" an address is typed with.
#include <gtest/gtest.h>

#include "ClipboardURLs.h"
#include "LightStrList.h"
#include "Locales.h"
#include "Url.h"

namespace {

TEST(FindURL, FindsTheLeftmostLowerCasePrefixAndTheAddressCharactersAfterIt) {
  struct Row {
    std::string text;
    std::int32_t start, length;
  } rows[] = {
      {"http://a.example/p?q=1&r=2#top", 1, 30},
      {"see http://a.example/index.html.", 5, 28},
      {"(http://a.example/)", 2, 17},
      {"「http://a.example/」", 3, 17},
      {"http://a.example/,http://b.example/", 1, 35},
      {"text www.b.example and http://a.example/", 6, 13},
      {"www.b.example/案内", 1, 14},
      {"wwww.b.example", 2, 13},
      {"Http://a.example/", 2, 16},
      {"hxttps://a.example/", 3, 17},
      {"http://name@a.example/", 1, 11},
      {"http://a.example/$x'y", 1, 17},
      {"http://[::1]:80/~a_b", 1, 20},
      {"\"http:\"", 2, 5},
      {"栄ttp://a.example/", 2, 17},  // 栄 is 89 68: its second byte is an "h"
      {"HTTP://A.EXAMPLE/ WWW.A", 0, 0},
      {"http;// ww.a", 0, 0},
      {"", 0, 0},
  };
  for (const Row& row : rows) {
    std::int32_t start = -1, length = -1;
    EXPECT_EQ(TinyUtils::FindURL(row.text, start, length), row.start != 0) << row.text;
    EXPECT_EQ(start, row.start) << row.text;
    EXPECT_EQ(length, row.length) << row.text;
  }
}

TEST(ReplaceAll, NeverMatchesFromTheSecondByteOfACharacter) {
  UseLocale(true);
  struct Row {
    std::string text, pattern, replacement, result;
  } rows[] = {
      {"サーバー", "ー", "-", "サ-バ-"},
      {"メ[", "ー", "-", "メ["},  // メ is 83 81: 81 5B begins on its second byte
      {"aaa", "aa", "b", "ba"},
      {"a‐b", "‐", "", "ab"},
      {"ABC abc", "abc", "x", "ABC x"},
      {"abc", "", "x", "abc"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TinyUtils::ReplaceAll(row.text, row.pattern, row.replacement), row.result) << row.text << " / " << row.pattern;
  }
}

TEST(ClipboardAddressIn, TrimsReplacesDashesAndRestoresTheH) {
  UseLocale(true);
  struct Row {
    std::string halfWidthLine, address;
  } rows[] = {
      {"  http://a.example/ \t", "http://a.example/"},
      {"ttp://a.example/a", "http://a.example/a"},
      {"ttps://a.example/a", "https://a.example/a"},
      {"see Http://a.example/ here", "http://a.example/"},
      {"http://a‐b.example/ーx", "http://a-b.example/-x"},
      {";http://a.example/ http://b.example/", "http://a.example/"},
      {"www.a.example/x", "www.a.example/x"},
      {"http://a.example/\xB0x", "http://a.example/"},  // a half-width "ー" ends it
      {"HTTP://A.EXAMPLE/", ""},
      {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(ClipboardAddressIn(row.halfWidthLine), row.address) << row.halfWidthLine;
}

TEST(TLightStrList, CutsTextAtEveryLineEndAndGivesItBackWithCrLf) {
  struct Row {
    std::string text;
    std::vector<std::string> lines;
  } rows[] = {
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\r\n", {"a"}},
      {"\r\n\n\r", {"", "", ""}},
      {"a\n\rb", {"a", "", "b"}},
      {std::string("a\nb\0c", 5), {"a", "b"}},
      {"", {}},
  };
  for (const Row& row : rows) {
    TLightStrList list;
    list.SetText(row.text);
    std::vector<std::string> lines;
    std::string joined;
    for (std::int32_t i = 0; i < list.Count; ++i) lines.push_back(list.Get(i));
    for (const std::string& line : row.lines) joined += line + "\r\n";
    EXPECT_EQ(lines, row.lines) << row.text;
    EXPECT_EQ(list.GetText(), joined) << row.text;
  }
  TLightStrList list;
  for (int i = 0; i < 20; ++i) list.Add(std::to_string(i));
  list.Put(19, "last");
  list.Put(20, "none");
  EXPECT_EQ(list.Count, 20);
  EXPECT_EQ(list.Get(19), "last");
  EXPECT_EQ(list.Get(-1), "");
}

}  // namespace
