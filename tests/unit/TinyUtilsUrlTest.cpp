// FindURL over its edge cases, the URLChars set byte by byte, and ReplaceAll where only the
// simulation can switch the double-byte model off.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "TinyUtilsText.h"
#include "TinyUtilsUrl.h"
#include "platform/sim/Sim.h"

using namespace TinyUtils;

namespace {

TEST(FindURL, FindsTheLeftmostAddressAndWhereItEnds) {
  struct Row {
    std::string text;
    bool found;
    std::int32_t start, length;
  } rows[] = {
      {"http://a.example/p?q=1&r=2#top", true, 1, 30}, {"see http://a.example/index.html.", true, 5, 28},
      {"(http://a.example/)", true, 2, 17}, {"「http://a.example/」", true, 3, 17},
      {"http://a.example/,http://b.example/", true, 1, 35}, {"http://a.example/ http://b.example/", true, 1, 17},
      {"text www.b.example and http://a.example/", true, 6, 13}, {"www.b.example/案内", true, 1, 14},
      {"wwww.b.example", true, 2, 13}, {"ttp://a.example/", true, 1, 16}, {"ttps://a.example/", true, 1, 17},
      {"Http://a.example/", true, 2, 16}, {"hxttp://a.example/", true, 3, 16}, {"HTTP://A.EXAMPLE/", false, 0, 0},
      {"http://name@a.example/", true, 1, 11}, {"http://a.example/$x", true, 1, 17},
      {"http://[::1]:80/", true, 1, 16}, {"http:", true, 1, 5}, {"栄ttp://a.example/", true, 2, 17},
      {"no address here", false, 0, 0}, {"", false, 0, 0},
      // Beyond the table: the prefixes' own edges.
      {"https://a.example/", true, 1, 18}, {"xhttp://a.example/", true, 2, 17}, {"http", false, 0, 0},
      {"https:", true, 1, 6}, {"\"http:\"", true, 2, 5}, {"a\thttp://x\x7f", true, 3, 8},
      {std::string("\0http:x", 7), true, 2, 6},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    std::int32_t start = -1, length = -1;
    EXPECT_EQ(FindURL(row.text, start, length), row.found) << "row " << i;
    EXPECT_EQ(start, row.start) << "row " << i;
    EXPECT_EQ(length, row.length) << "row " << i;
  }
}

// The rules as written: every position from the left, the prefixes of its byte in order.
bool FindURLByTheRules(const std::string& text, std::int32_t& start, std::int32_t& length) {
  static const std::pair<char, std::vector<std::string>> table[] = {
      {'h', {"http:", "https:"}}, {'t', {"ttp:", "ttps:"}}, {'w', {"www."}}};
  for (std::size_t position = 0; position < text.size(); ++position) {
    for (const auto& [byte, prefixes] : table) {
      if (text[position] != byte) continue;
      for (const std::string& prefix : prefixes) {
        if (text.compare(position, prefix.size(), prefix) != 0) continue;
        std::size_t end = position + prefix.size();
        while (end < text.size() && IsURLChar(static_cast<unsigned char>(text[end]))) ++end;
        start = static_cast<std::int32_t>(position + 1);
        length = static_cast<std::int32_t>(end - position);
        return true;
      }
    }
  }
  start = length = 0;
  return false;
}

// Random texts dense in prefix pieces, address characters, stops and lead bytes, of every
// length around the scan's word size: FindURL answers as the rules do.
TEST(FindURL, AgreesWithTheRulesOnRandomTexts) {
  const std::string pieces[] = {"h", "t", "w", "p", "s", ":", ".", "/", "http", "ttp", "ttps", "www", "ww",
                                "https:", "a", "-", " ", "@", "\x81", "\x89", "\x68", "\xff", std::string(1, '\0')};
  std::mt19937 random(20240607);
  for (int round = 0; round < 50000; ++round) {
    std::string text;
    std::size_t count = random() % 12;
    for (std::size_t i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    std::int32_t start = -1, length = -1, expectedStart = -1, expectedLength = -1;
    bool expected = FindURLByTheRules(text, expectedStart, expectedLength);
    ASSERT_EQ(FindURL(text, start, length), expected) << "round " << round << ": " << text;
    ASSERT_EQ(start, expectedStart) << "round " << round << ": " << text;
    ASSERT_EQ(length, expectedLength) << "round " << round << ": " << text;
  }
}

TEST(URLChars, HoldsExactlyTheSeventyEightAddressCharacters) {
  const std::string members =
      "#%&+,-./0123456789:;=?ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz~";
  ASSERT_EQ(members.size(), 78u);
  for (int byte = 0; byte < 256; ++byte) {
    bool member = byte != 0 && members.find(static_cast<char>(byte)) != std::string::npos;
    EXPECT_EQ(IsURLChar(static_cast<unsigned char>(byte)), member) << "byte " << byte;
  }
}

TEST(ReplaceAll, WithoutADoubleByteModelEveryMatchCounts) {
  Sim::SetThreadLocale(0x0409);
  Startup();
  ASSERT_FALSE(LocaleInfo.FarEast);
  EXPECT_EQ(ReplaceAll("\x83\x81\x81\x5B", "\x81\x5B", "-"), "\x83\x81-");
}

}  // namespace
