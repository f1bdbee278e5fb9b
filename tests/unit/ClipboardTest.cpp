// The clipboard road's decisions: the Unicode text of a clipboard block, the lines of the
// clipboard's text, the first address of a line, and the dashes and missing "h" an address
// is typed with.
#include <gtest/gtest.h>

#include "ClipboardURLs.h"
#include "LightStrList.h"
#include "Support.h"
#include "Url.h"

namespace {

// The address FindURL reports, or "-" when it finds none (with start and length 0).
std::string FoundIn(const std::string& text) {
  std::int32_t start = -1, length = -1;
  if (!TinyUtils::FindURL(text, start, length)) return start == 0 && length == 0 ? "-" : "?";
  return std::to_string(start) + ":" + text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
}

TEST(FindURL, FindsTheLeftmostLowerCasePrefixAndTheAddressCharactersAfterIt) {
  ExpectEach({{"http://a.example/p?q=1&r=2#top", "1:http://a.example/p?q=1&r=2#top"},
              {"see http://a.example/index.html.", "5:http://a.example/index.html."},
              {"「http://a.example/」", "3:http://a.example/"},
              {"http://a.example/,http://b.example/", "1:http://a.example/,http://b.example/"},
              {"text www.b.example and http://a.example/", "6:www.b.example"},
              {"www.b.example/案内", "1:www.b.example/"},
              {"wwww.b.example", "2:www.b.example"},
              {"Http://a.example/", "2:ttp://a.example/"},
              {"hxttps://a.example/", "3:ttps://a.example/"},
              {"http://name@a.example/", "1:http://name"},
              {"(http://a.example/$x'y)", "2:http://a.example/"},
              {"http://[::1]:80/~a_b", "1:http://[::1]:80/~a_b"},
              {"\"http:\"", "2:http:"},
              {"栄ttp://a.example/", "2:http://a.example/"},  // 栄 is 89 68: its second byte is an "h"
              {"HTTP://A.EXAMPLE/ WWW.A http;//", "-"},
              {"", "-"}},
             FoundIn);
}

TEST(ReplaceAll, TurnsDashLookAlikesIntoHyphensButNeverFromTheSecondByteOfACharacter) {
  UseLocale(true);
  ExpectEach({{"サーバー", "サ-バ-"}, {"メ[", "メ["}, {"a‐b‐ー", "a-b--"}, {"ソー", "ソ-"}},  // メ is 83 81, ー 81 5B
             [](const std::string& text) { return TinyUtils::ReplaceAll(TinyUtils::ReplaceAll(text, "‐", "-"), "ー", "-"); });
}

TEST(ClipboardAddressIn, TrimsReplacesDashesAndRestoresTheH) {
  UseLocale(true);
  ExpectEach({{"  http://a.example/ \t", "http://a.example/"},
              {"ttp://a.example/a", "http://a.example/a"},
              {"ttps://a.example/a", "https://a.example/a"},
              {"see Http://a.example/ here", "http://a.example/"},
              {"http://a‐b.example/ーx", "http://a-b.example/-x"},
              {";http://a.example/ http://b.example/", "http://a.example/"},
              {"www.a.example/x", "www.a.example/x"},
              {"http://a.example/\xB0x", "http://a.example/"},  // a half-width "ー" ends it
              {"HTTP://A.EXAMPLE/", ""}},
             ClipboardAddressIn);
}

// The lines SetText cuts, checked to come back from GetText each ended by CR LF.
std::string LinesOf(const std::string& text) {
  TLightStrList list;
  list.SetText(text);
  std::vector<std::string> lines;
  std::string withLineEnds;
  for (std::int32_t i = 0; i < list.Count; ++i) lines.push_back(list.Get(i));
  for (const std::string& line : lines) withLineEnds += line + "\r\n";
  EXPECT_EQ(list.GetText(), withLineEnds) << text;
  return Joined(lines);
}

TEST(TLightStrList, CutsTextAtEveryLineEndAndGivesItBackWithCrLf) {
  ExpectEach({{"a\r\nb\rc\nd", "a|b|c|d"},
              {"a\r\n", "a"},
              {"\r\n\n\r", "||"},
              {"a\n\rb", "a||b"},
              {std::string("a\nb\0c", 5), "a|b"},
              {"", ""}},
             LinesOf);
}

TEST(Utf16TextOfBlock, EndsAtTheFirstZeroUnitOrTheBlocksEndAndDropsAnOddByte) {
  const std::pair<std::string, std::u16string> rows[] = {
      {std::string("h\0t\0\0\0x\0", 8), u"ht"},
      {std::string("h\0\xFC\0B0", 6), u"h\u00FC\u3042"},  // no zero: the whole block, low byte first
      {std::string("h\0i\0x", 5), u"hi"},
      {std::string("\0\x30\0", 3), u"\u3000"},  // a zero byte is no zero unit
      {std::string("\0\0h\0", 4), u""},
      {"h", u""},
      {"", u""},
  };
  for (const auto& [bytes, text] : rows) {
    // A block of exactly its size, so that a read past it is caught under AddressSanitizer.
    std::vector<unsigned char> block(bytes.begin(), bytes.end());
    EXPECT_EQ(Utf16TextOfBlock(block.data(), block.size()), text) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
