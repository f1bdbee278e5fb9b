// The list-file grammar the launcher and the checker share: the reader over bytes arriving
// in chunks of any size, the line kinds and pauses, the command line of a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ListFile.h"

namespace {

// The bytes of data, at most chunk at a time; reading fails once failAt bytes are given.
class TChunks final : public TByteSource {
 public:
  TChunks(std::string data, std::size_t chunk, std::size_t failAt) : data_(std::move(data)), chunk_(chunk), failAt_(failAt) {}
  bool Read(char* buffer, std::size_t size, std::size_t& count) override {
    count = std::min({size, chunk_, data_.size() - at_, failAt_ - at_});
    if (count == 0 && at_ == failAt_) return false;
    std::memcpy(buffer, data_.data() + at_, count);
    at_ += count;
    return true;
  }

 private:
  std::string data_;
  std::size_t chunk_, failAt_, at_ = 0;
};

// Every ReadLine result up to the end: the lines, "<Z>" for a Ctrl-Z, "|" between them.
std::string ReadAll(const std::string& data, std::size_t chunk, std::size_t failAt = std::string::npos) {
  TChunks source(data, chunk, failAt);
  TLineReader reader(source);
  std::string line, results;
  for (TReadResult result; (result = reader.ReadLine(line)) != TReadResult::End;) {
    results += (result == TReadResult::CtrlZ ? "<Z>" : line) + "|";
  }
  return results.substr(0, results.empty() ? 0 : results.size() - 1);
}

TEST(TLineReader, SplitsLinesWhereverTheChunksEnd) {
  const std::string longLine(3 * TLineReader::kBufferSize + 5, 'x');
  struct Row {
    std::string data, lines;
  } rows[] = {
      {"", ""},
      {"a\r\nb\nc", "a|b|c"},
      {"a\r\n", "a"},
      {"\n\r\n", "|"},
      {"a\rb\r\r\n", "ab"},                    // a lone CR is dropped
      {"a\n\x1A" "b\nc", "a|<Z>|b|c"},          // where a line begins, Ctrl-Z ends the file
      {"\x1A\x1A", "<Z>|<Z>"},
      {"a\x1A\n", "a\x1A"},                    // inside a line it is a byte like any other
      {std::string("a\0b\n\0", 5), std::string("a\0b|\0", 5)},
      {longLine + "\r\nz", longLine + "|z"},
  };
  for (const Row& row : rows) {
    for (std::size_t chunk = 1; chunk <= row.data.size() + 1; chunk += chunk < 40 ? 1 : 97) {
      EXPECT_EQ(ReadAll(row.data, chunk), row.lines) << ::testing::PrintToString(row.data) << " in chunks of " << chunk;
    }
  }
}

TEST(TLineReader, DropsTheLineAFailedReadCutsAndEnds) {
  struct Row {
    std::size_t failAt;
    std::string lines;
  } rows[] = {{0, ""}, {1, ""}, {2, "a"}, {4, "a"}, {5, "a|bc"}, {6, "a|bc"}};
  for (const Row& row : rows) {
    for (std::size_t chunk : {1, 2, 1024}) {
      EXPECT_EQ(ReadAll("a\nbc\nd\n", chunk, row.failAt), row.lines) << "failing at " << row.failAt << ", chunks of " << chunk;
    }
  }
}

TEST(ClassifyListLine, TellsEveryKindOfLineAndItsText) {
  using K = TLineKind;
  struct Row {
    std::string line;
    K kind;
    std::string text;
    bool urlPrefix;
  } rows[] = {
      {"", K::Blank, "", false},
      {std::string(" \t\r\x01\0", 5), K::Blank, "", false},
      {" \t; indented", K::Comment, "", false},
      {"WaIt=5", K::Pause, "", false},
      {"wait =5", K::Command, "wait =5", false},
      {"http://a.example/", K::WebAddress, "http://a.example/", false},
      {"  www.a.example ", K::WebAddress, "www.a.example", false},
      {"URL=http://a.example/", K::WebAddress, "http://a.example/", true},
      {"url= http://a.example/", K::Command, " http://a.example/", true},  // not trimmed again
      {"url=wait=5", K::Command, "wait=5", true},
      {"url=url=www.a", K::Command, "url=www.a", true},
      {"url=", K::Command, "", true},
      {"HTTP://a.example/", K::Command, "HTTP://a.example/", false},
      {"https://a.example/", K::Command, "https://a.example/", false},
      {"ｗａｉｔ=5", K::Command, "ｗａｉｔ=5", false},
      {std::string("http:\0x", 7), K::WebAddress, std::string("http:\0x", 7), false},
  };
  for (const Row& row : rows) {
    TListLine line = ClassifyListLine(row.line);
    EXPECT_EQ(line.Kind, row.kind) << "line \"" << row.line << "\"";
    EXPECT_EQ(line.Text, row.text) << "line \"" << row.line << "\"";
    EXPECT_EQ(line.HadUrlPrefix, row.urlPrefix) << "line \"" << row.line << "\"";
  }
}

TEST(ClassifyListLine, ReadsPausesCutsThemAndSaysWhatIsNoNumber) {
  struct Row {
    const char* line;
    std::int32_t value;
    bool isNumber;
    Win::DWORD milliseconds;
    bool capped;
  } rows[] = {
      {"wait=500", 500, true, 500, false},        {"Wait= 500", 500, true, 500, false},
      {"wait=10000", 10000, true, 10000, false},  {"wait=10001", 10001, true, 10000, true},
      {"WAIT=20000", 20000, true, 10000, true},   {"wait=$3E8", 1000, true, 1000, false},
      {"wait=0x3e8", 1000, true, 1000, false},    {"wait=1", 1, true, 1, false},
      {"wait=0", 0, true, 0, false},              {"wait=-5", -5, true, 0, false},
      {"wait=soon", 0, false, 0, false},          {"wait=500ms", 0, false, 0, false},
      {"wait=", 0, false, 0, false},              {"wait=1.5", 0, false, 0, false},
      {"wait=2147483648", 0, false, 0, false},    {"wait=$FFFFFFFF", -1, true, 0, false},
  };
  for (const Row& row : rows) {
    TListLine line = ClassifyListLine(row.line);
    ASSERT_EQ(line.Kind, TLineKind::Pause) << row.line;
    EXPECT_EQ(line.Value, row.value) << row.line;
    EXPECT_EQ(line.ValueIsNumber, row.isNumber) << row.line;
    EXPECT_EQ(line.Milliseconds, row.milliseconds) << row.line;
    EXPECT_EQ(line.Capped(), row.capped) << row.line;
  }
}

std::string Browser;
std::string BrowserPath() { return Browser; }
std::string Expanded(const std::string& text) { return "expanded " + text; }

TEST(CommandLineOf, QuotesABrowserPathWithABlankAndExpandsCommands) {
  struct Row {
    std::string browser, line, commandLine;
  } rows[] = {
      {"C:\\Web\\web.exe", "http://a.example/", "C:\\Web\\web.exe http://a.example/"},
      {"C:\\Program Files\\Web\\web.exe", "url=www.a", "\"C:\\Program Files\\Web\\web.exe\" www.a"},
      {"", "http://a.example/", " http://a.example/"},  // no browser: the shell gets the address
      {"C:\\Web\\web.exe", "%SystemRoot%\\notepad.exe", "expanded %SystemRoot%\\notepad.exe"},
      {"C:\\Web\\web.exe", "url= http://a/", "expanded  http://a/"},
  };
  for (const Row& row : rows) {
    Browser = row.browser;
    EXPECT_EQ(CommandLineOf(ClassifyListLine(row.line), BrowserPath, Expanded), row.commandLine)
        << "line \"" << row.line << "\", browser " << row.browser;
  }
}

TEST(ListFile, NamesAndExitCodes) {
  for (const char* name : {"a.TXT", "b.Vlf", "C:\\x\\c.url", "ソ.vlf"}) EXPECT_TRUE(IsListFileName(name)) << name;
  for (const char* name : {"C:\\lists.d\\readme", "x.vlf.bak", "x.vl", "vlf", ""}) EXPECT_FALSE(IsListFileName(name)) << name;
  const Win::DWORD errors[][2] = {{5, 5}, {32, 32}, {0x120, 0x20}, {0x100, 255}, {0, 255}, {0xFFFFFFFF, 255}};
  for (const auto& [error, code] : errors) EXPECT_EQ(ListFileExitCode(error), code) << "error " << error;
}

}  // namespace
