// FindURL over its edge cases, the URLChars set byte by byte, and ReplaceAll where only the
// simulation can switch the double-byte model off.
#include <gtest/gtest.h>

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
      {"http://a.example/p?q=1&r=2#top", true, 1, 30},
      {"see http://a.example/index.html.", true, 5, 28},
      {"(http://a.example/)", true, 2, 17},
      {"「http://a.example/」", true, 3, 17},
      {"http://a.example/,http://b.example/", true, 1, 35},
      {"http://a.example/ http://b.example/", true, 1, 17},
      {"text www.b.example and http://a.example/", true, 6, 13},
      {"www.b.example/案内", true, 1, 14},
      {"wwww.b.example", true, 2, 13},
      {"ttp://a.example/", true, 1, 16},
      {"ttps://a.example/", true, 1, 17},
      {"Http://a.example/", true, 2, 16},
      {"hxttp://a.example/", true, 3, 16},
      {"HTTP://A.EXAMPLE/", false, 0, 0},
      {"http://name@a.example/", true, 1, 11},
      {"http://a.example/$x", true, 1, 17},
      {"http://[::1]:80/", true, 1, 16},
      {"http:", true, 1, 5},
      {"栄ttp://a.example/", true, 2, 17},
      {"no address here", false, 0, 0},
      {"", false, 0, 0},
      // Beyond the table: the prefixes' own edges.
      {"https://a.example/", true, 1, 18},
      {"xhttp://a.example/", true, 2, 17},
      {"http", false, 0, 0},
      {"https:", true, 1, 6},
      {"\"http:\"", true, 2, 5},
      {"a\thttp://x\x7f", true, 3, 8},
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
