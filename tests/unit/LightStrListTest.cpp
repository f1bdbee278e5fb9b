// TLightStrList: line splitting, the text of all lines, growth by eight slots, and indexes
// outside the list.
#include <gtest/gtest.h>

#include <vector>

#include "LightStrList.h"

namespace {

std::vector<std::string> Lines(const TLightStrList& list) {
  std::vector<std::string> lines;
  for (std::int32_t i = 0; i < list.Count; ++i) lines.push_back(list.Get(i));
  return lines;
}

TEST(LightStrList, SetTextSplitsAtEveryKindOfLineBreak) {
  using Lines_ = std::vector<std::string>;
  struct Row {
    std::string text;
    Lines_ lines;
  } rows[] = {
      {"", {}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\n", {""}},
      {std::string("ab\0cd\r\nef", 9), {"ab"}},
      {" \ta b\t\r\n\r\n  ", {" \ta b\t", "", "  "}},
      {"\x82\xA0\r\n\x95\x5C", {"\x82\xA0", "\x95\x5C"}},
  };
  TLightStrList list;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    list.SetText(rows[i].text);
    EXPECT_EQ(Lines(list), rows[i].lines) << "row " << i;
  }
}

TEST(LightStrList, GetTextEndsEveryLineWithCrLfAndSetTextReadsItBack) {
  TLightStrList list;
  EXPECT_EQ(list.GetText(), "");
  list.Add("a");
  list.Add("");
  list.Add("b");
  EXPECT_EQ(list.GetText(), "a\r\n\r\nb\r\n");
  TLightStrList copy;
  copy.SetText(list.GetText());
  EXPECT_EQ(Lines(copy), (std::vector<std::string>{"a", "", "b"}));
}

TEST(LightStrList, GrowsEightSlotsAtATimeAndClearReleasesThem) {
  TLightStrList list;
  EXPECT_EQ(list.Items, nullptr);
  for (int i = 1; i <= 17; ++i) {
    list.Add("line " + std::to_string(i));
    EXPECT_EQ(list.Capacity, (i + 7) / 8 * 8) << "after add " << i;
  }
  EXPECT_EQ(list.Count, 17);
  EXPECT_EQ(list.Get(16), "line 17");
  for (std::int32_t slot = list.Count; slot < list.Capacity; ++slot) EXPECT_EQ(list.Items[slot], nullptr);
  list.Clear();
  EXPECT_EQ(list.Count, 0);
  EXPECT_EQ(list.Capacity, 0);
  EXPECT_EQ(list.Items, nullptr);
  list.SetText("x\ny");
  EXPECT_EQ(list.Capacity, 8);
}

TEST(LightStrList, IndexesOutsideTheListGiveEmptyTextAndChangeNothing) {
  TLightStrList list;
  list.Put(0, "ignored");
  EXPECT_EQ(list.Get(0), "");
  list.SetText("a\nb");
  list.Put(1, "B");
  list.Put(-1, "x");
  list.Put(2, "x");  // a free slot of the array, yet no text of the list
  EXPECT_EQ(list.Get(-1), "");
  EXPECT_EQ(list.Get(2), "");
  EXPECT_EQ(list.Get(7), "");
  EXPECT_EQ(list.Get(INT32_MAX), "");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "B"}));
  list.Put(0, "");
  EXPECT_EQ(list.GetText(), "\r\nB\r\n");
}

}  // namespace
