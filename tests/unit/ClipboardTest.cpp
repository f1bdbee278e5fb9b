// The clipboard road's decisions: the Unicode text of a clipboard block, what FindURL
// answers, and the dashes an address is typed with. The lines of the clipboard's text and
// the address of each (trimmed, dashes replaced, the missing "h" restored) are held to a
// reference by the fuzz target Clipboard.
#include <gtest/gtest.h>

#include "ClipboardURLs.h"
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
  ExpectEach({{"see http://a.example/index.html.", "5:http://a.example/index.html."},
              {"text www.b.example and http://a.example/", "6:www.b.example"},
              {"HTTP://A.EXAMPLE/ WWW.A http;//", "-"},
              {"", "-"}},
             FoundIn);
}

TEST(ReplaceAll, TurnsDashLookAlikesIntoHyphensButNeverFromTheSecondByteOfACharacter) {
  UseLocale(true);
  ExpectEach({{"サーバー", "サ-バ-"}, {"メ[", "メ["}, {"a‐b‐ー", "a-b--"}, {"ソー", "ソ-"}},  // メ is 83 81, ー 81 5B
             [](const std::string& text) { return TinyUtils::ReplaceAll(TinyUtils::ReplaceAll(text, "‐", "-"), "ー", "-"); });
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
