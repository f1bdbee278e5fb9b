// Unicode text to the ANSI code page: which lines are UTF-8, their decoding, and the percent
// form of what the code page lacks.
#include <gtest/gtest.h>

#include "ListFile.h"
#include "Unicode.h"

namespace {

// A code page that has ASCII and あ (82 A0) only.
bool AsciiAndA(std::u16string_view character, std::string& ansi) {
  bool ascii = character.size() == 1 && character[0] < 0x80;
  if (ascii) ansi += static_cast<char>(character[0]);
  if (character == u"あ") ansi += "\x82\xA0";
  return ascii || character == u"あ";
}

TEST(IsUtf8Text, TakesOnlyValidUtf8WithAMultiByteSequence) {
  const std::pair<std::string, bool> rows[] = {
      {"http://example.jp/", false},             // ASCII alone is read as today
      {"http://example.jp/\xE5\xA4\xA9", true},  // 天
      {"\xC3\xBC", true},                        // ü
      {"\xF0\x9F\x98\x80", true},                // U+1F600
      {"\x93\xFA\x96\x7B", false},               // 日本 in code page 932: a lone continuation byte
      {"\xE3\x81", false},                       // cut short
      {"\xC0\xAF", false},                       // overlong /
      {"\xE0\x80\xAF", false},                   // overlong /
      {"\xED\xA0\x80", false},                   // a surrogate
      {"\xF4\x90\x80\x80", false},               // above U+10FFFF
      {"\xF8\x88\x80\x80\x80", false},           // five bytes
      {"", false},
  };
  for (const auto& [text, utf8] : rows) EXPECT_EQ(Unicode::IsUtf8Text(text), utf8) << ::testing::PrintToString(text);
}

TEST(AnsiFromUtf16, WritesWhatTheCodePageLacksInPercentForm) {
  const std::tuple<std::u16string, std::string, bool> rows[] = {
      {u"http://a.example/", "http://a.example/", false},
      {u"http://a.example/あ", "http://a.example/\x82\xA0", false},
      {u"http://example/\u00FCber", "http://example/%C3%BCber", true},
      {u"x天", "x%E5%A4%A9", true},
      {u"\U0001F600", "%F0%9F%98%80", true},
      {u"a\xD800z", "a%EF%BF%BDz", true},  // a lone surrogate
      {u"\xDC00", "%EF%BF%BD", true},
      {u"", "", false},
  };
  for (const auto& [text, ansi, lacking] : rows) {
    Unicode::TAnsiText result = Unicode::AnsiFromUtf16(text, AsciiAndA);
    EXPECT_EQ(result.Text, ansi) << ::testing::PrintToString(ansi);
    EXPECT_EQ(result.Lacking, lacking) << ::testing::PrintToString(ansi);
  }
}

TEST(TLineDecoder, ReadsAMarkedFileAsUtf8AndOtherLinesEachOnItsOwn) {
  struct Row {
    std::vector<std::string> lines;
    std::vector<std::string> expected;  // the text, then "u" when read as UTF-8, "!" when lacking
  };
  const Row rows[] = {
      {{"http://a.example/", "\x82\xA0"}, {"http://a.example/", "\x82\xA0"}},  // code page 932 stays
      {{"\xEF\xBB\xBFhttp://a/\xE3\x81\x82", "x"}, {"http://a/\x82\xA0 u", "x u"}},
      {{"\xEF\xBB\xBF\x82\xA0"}, {"%EF%BF%BD%EF%BF%BD u!"}},  // a marked file's invalid bytes
      {{"x", "\xEF\xBB\xBFy"}, {"x", "%EF%BB%BFy u!"}},  // later, a mark is a character
      {{"http://e/\xC3\xBC", "C:\\\xC3\xBC.txt"}, {"http://e/%C3%BC u!", "C:\\%C3%BC.txt u!"}},
      {{"\xE5\xA4\xA9\xF0\x9F\x98\x80"}, {"%E5%A4%A9%F0%9F%98%80 u!"}},  // 天 and U+1F600, decoded and encoded again
  };
  for (const Row& row : rows) {
    TLineDecoder decoder(AsciiAndA);
    std::vector<std::string> decoded;
    for (const std::string& line : row.lines) {
      TDecodedLine result = decoder.Decode(line);
      decoded.push_back(result.Text + (result.Utf8 ? " u" : "") + (result.Lacking ? "!" : ""));
    }
    EXPECT_EQ(decoded, row.expected) << ::testing::PrintToString(row.lines);
  }
  TLineDecoder withoutConversion(nullptr);
  EXPECT_EQ(withoutConversion.Decode("\xEF\xBB\xBFx\xC3\xBC").Text, "\xEF\xBB\xBFx\xC3\xBC");
}

TEST(ClassifyDecodedLine, DoesNotRunACommandThatHeldALackingCharacter) {
  const std::tuple<TDecodedLine, TLineKind, bool> rows[] = {
      {{"C:\\%C3%BC.txt", true, true}, TLineKind::Unreachable, true},
      {{"url=http://e/%C3%BC", true, true}, TLineKind::WebAddress, true},
      {{"C:\\\x82\xA0.txt", true, false}, TLineKind::Command, true},
      {{"; %C3%BC", true, true}, TLineKind::Comment, true},
      {{"notepad", false, false}, TLineKind::Command, false},
  };
  for (const auto& [line, kind, utf8] : rows) {
    TListLine result = ClassifyDecodedLine(line);
    EXPECT_EQ(result.Kind, kind) << line.Text;
    EXPECT_EQ(result.ReadAsUtf8, utf8) << line.Text;
  }
}

}  // namespace
