// The list-file reader and line classifier that the launcher and the checker share: the
// kind of every line, pause values, the "url=" prefix, and reading on past a Ctrl-Z where
// the launcher stops (failed reads: ListCheckTest and ListFileTest).
#include <gtest/gtest.h>

#include "ListFile.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/SimFiles.h"

using Strings = std::vector<std::string>;

namespace {

const std::string kList = "C:\\list.vlf";

TEST(ClassifyListLine, TellsEveryKindOfLineAndItsText) {
  using K = TLineKind;
  struct Row {
    std::string line;
    K kind;
    std::string text;
    bool urlPrefix;
  } rows[] = {
      {"", K::Blank, "", false},
      {" \t\r\x01 ", K::Blank, "", false},
      {std::string("\0", 1), K::Blank, "", false},
      {";comment", K::Comment, "", false},
      {" \t; indented", K::Comment, "", false},
      {"wait=5", K::Pause, "", false},
      {"WaIt=5", K::Pause, "", false},
      {"wait =5", K::Command, "wait =5", false},
      {"http://a.example/", K::WebAddress, "http://a.example/", false},
      {"www.a.example", K::WebAddress, "www.a.example", false},
      {"URL=http://a.example/", K::WebAddress, "http://a.example/", true},
      {"url=www.a.example", K::WebAddress, "www.a.example", true},
      {"url= http://a.example/", K::Command, " http://a.example/", true},
      {"url=wait=5", K::Command, "wait=5", true},
      {"url=;x", K::Command, ";x", true},
      {"url=url=http://a.example/", K::Command, "url=http://a.example/", true},
      {"url=", K::Command, "", true},
      {"HTTP://a.example/", K::Command, "HTTP://a.example/", false},
      {"https://a.example/", K::Command, "https://a.example/", false},
      {"\x82\x88\x82\x94\x82\x94\x82\x90\x81\x46//a", K::Command, "\x82\x88\x82\x94\x82\x94\x82\x90\x81\x46//a", false},
      {"  notepad memo.txt \t", K::Command, "notepad memo.txt", false},
      {std::string("http:\0x", 7), K::WebAddress, std::string("http:\0x", 7), false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    TListLine line = ClassifyListLine(rows[i].line);
    EXPECT_EQ(line.Kind, rows[i].kind) << "row " << i;
    EXPECT_EQ(line.Text, rows[i].text) << "row " << i;
    EXPECT_EQ(line.HadUrlPrefix, rows[i].urlPrefix) << "row " << i;
  }
}

TEST(ClassifyListLine, ReadsPauseValuesAndSaysWhenTheyAreCappedOrNoNumber) {
  struct Row {
    const char* line;
    std::int32_t value;
    bool isNumber;
    Win::DWORD milliseconds;
    bool capped;
  } rows[] = {
      {"wait=500", 500, true, 500, false},        {"wait= 500", 500, true, 500, false},
      {"wait=10000", 10000, true, 10000, false},  {"wait=10001", 10001, true, 10000, true},
      {"WAIT=20000", 20000, true, 10000, true},   {"wait=$3E8", 1000, true, 1000, false},
      {"wait=0", 0, true, 0, false},              {"wait=-5", -5, true, 0, false},
      {"wait=soon", 0, false, 0, false},          {"wait=500ms", 0, false, 0, false},
      {"wait=", 0, false, 0, false},              {"wait=1.5", 0, false, 0, false},
      {"wait=2147483648", 0, false, 0, false},    {"wait=$FFFFFFFF", -1, true, 0, false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    TListLine line = ClassifyListLine(rows[i].line);
    ASSERT_EQ(line.Kind, TLineKind::Pause) << "row " << i;
    EXPECT_EQ(line.Value, rows[i].value) << "row " << i;
    EXPECT_EQ(line.ValueIsNumber, rows[i].isNumber) << "row " << i;
    EXPECT_EQ(line.Milliseconds, rows[i].milliseconds) << "row " << i;
    EXPECT_EQ(line.Capped(), rows[i].capped) << "row " << i;
  }
}

// Every line the reader gives, then what ended it.
struct Reading {
  Strings lines;
  bool atCtrlZ;
  Win::DWORD error;
};

Reading ReadAll(TLineReader& reader) {
  Reading reading{};
  std::string line;
  while (reader.ReadLine(line)) reading.lines.push_back(line);
  reading.atCtrlZ = reader.AtCtrlZ();
  reading.error = reader.Error();
  return reading;
}

TEST(TLineReader, StopsAtACtrlZAndReadsOnPastItOnlyWhenAsked) {
  Sim::AddFile(kList, std::string("a\r\n\x1a" "b\r\n\x1a\x1a\nc\0d\r\n\x1a", 16));
  Win::HANDLE file = OpenListFile(kList);
  TLineReader reader(file);
  Reading first = ReadAll(reader);
  EXPECT_EQ(first.lines, Strings{"a"});
  EXPECT_TRUE(first.atCtrlZ);
  reader.SkipCtrlZ();
  Reading second = ReadAll(reader);
  EXPECT_EQ(second.lines, Strings{"b"});
  EXPECT_TRUE(second.atCtrlZ);
  reader.SkipCtrlZ();
  EXPECT_TRUE(ReadAll(reader).atCtrlZ);  // a second Ctrl-Z at the same place
  reader.SkipCtrlZ();
  Reading third = ReadAll(reader);
  EXPECT_EQ(third.lines, (Strings{"", std::string("c\0d", 3)}));  // zero bytes stay in the line
  EXPECT_TRUE(third.atCtrlZ);
  reader.SkipCtrlZ();
  Reading end = ReadAll(reader);
  EXPECT_EQ(end.lines, Strings{});
  EXPECT_FALSE(end.atCtrlZ);
  EXPECT_EQ(end.error, 0u);
  Win::CloseHandle(file);
}

}  // namespace
