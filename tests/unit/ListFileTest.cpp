// The list-file grammar the launcher and the checker share: the reader over bytes arriving
// in chunks of any size, the line kinds and pauses, the command line of a line.
#include <gtest/gtest.h>

#include "ListFile.h"
#include "Support.h"

namespace {

// Every ReadLine result up to the end: the lines, "<Z>" for a Ctrl-Z.
std::string ReadAll(const std::string& data, std::size_t chunk, std::size_t failAt = SIZE_MAX) {
  TChunks source(data, chunk, failAt);
  TLineReader reader(source);
  std::vector<std::string> results;
  std::string line;
  for (TReadResult result; (result = reader.ReadLine(line)) != TReadResult::End;) {
    results.push_back(result == TReadResult::CtrlZ ? "<Z>" : line);
  }
  return Joined(results);
}

TEST(TLineReader, SplitsLinesWhereverTheChunksEnd) {
  const std::string longLine(3 * TLineReader::kBufferSize + 5, 'x');
  for (std::size_t chunk = 1; chunk <= 2 * TLineReader::kBufferSize; chunk += chunk < 40 ? 1 : 328) {
    SCOPED_TRACE("in chunks of " + std::to_string(chunk));
    ExpectEach({{"", ""},
                {"a\r\nb\nc", "a|b|c"},
                {"\n\r\n", "|"},
                {"a\rb\r\r\n", "ab"},            // a lone CR is dropped
                {"a\n\x1A" "b\nc", "a|<Z>|b|c"},  // where a line begins, Ctrl-Z ends the file
                {"\x1A\x1A", "<Z>|<Z>"},
                {"a\x1A\n", "a\x1A"},            // inside a line it is a byte like any other
                {std::string("a\0b\n\0", 5), std::string("a\0b|\0", 5)},
                {longLine + "\r\nz", longLine + "|z"}},
               [chunk](const std::string& data) { return ReadAll(data, chunk); });
  }
}

TEST(TLineReader, DropsTheLineAFailedReadCutsAndEnds) {
  const std::pair<std::size_t, std::string> rows[] = {{0, ""}, {1, ""}, {2, "a"}, {4, "a"}, {5, "a|bc"}, {6, "a|bc"}};
  for (const auto& [failAt, lines] : rows) {
    for (std::size_t chunk : {1, 2, 1024}) {
      EXPECT_EQ(ReadAll("a\nbc\nd\n", chunk, failAt), lines) << "failing at " << failAt << ", chunks of " << chunk;
    }
  }
}

// The kind of a line as a letter (blank, comment, pause, web address, command), "+" after
// a "url=" prefix, then ":" and the text that is opened.
std::string KindOf(const std::string& line) {
  TListLine classified = ClassifyListLine(line);
  return std::string(1, "BCPWX"[static_cast<int>(classified.Kind)]) + (classified.HadUrlPrefix ? "+:" : ":") +
         classified.Text;
}

TEST(ClassifyListLine, TellsEveryKindOfLineAndTakesAUrlPrefixOnce) {
  ExpectEach({{std::string(" \t\r\x01\0", 5), "B:"},
              {" \t; indented", "C:"},
              {"WaIt=5", "P:"},
              {"wait =5", "X:wait =5"},
              {"ｗａｉｔ=5", "X:ｗａｉｔ=5"},
              {"  www.a.example ", "W:www.a.example"},
              {"URL=http://a.example/", "W+:http://a.example/"},
              {"url= http://a.example/", "X+: http://a.example/"},  // not trimmed again
              {"url=wait=5", "X+:wait=5"},
              {"url=url=www.a", "X+:url=www.a"},
              {"url=", "X+:"},
              {"HTTP://a.example/", "X:HTTP://a.example/"},
              {"https://a.example/", "X:https://a.example/"},
              {std::string("http:\0x", 7), std::string("W:http:\0x", 9)}},
             KindOf);
}

// A pause as value, "?" when it is no number, the milliseconds slept and whether it was cut.
std::string PauseOf(const std::string& line) {
  TListLine pause = ClassifyListLine(line);
  EXPECT_EQ(pause.Kind, TLineKind::Pause) << line;
  return std::to_string(pause.Value) + (pause.ValueIsNumber ? " " : "? ") + std::to_string(pause.Milliseconds) +
         (pause.Capped() ? " cut" : "");
}

TEST(ClassifyListLine, ReadsPausesCutsThemAndSaysWhatIsNoNumber) {
  ExpectEach({{"wait=500", "500 500"},           {"Wait= 500", "500 500"},      {"wait=10000", "10000 10000"},
              {"wait=10001", "10001 10000 cut"}, {"WAIT=$3E8", "1000 1000"},    {"wait=0x3e8", "1000 1000"},
              {"wait=1", "1 1"},                 {"wait=0", "0 0"},             {"wait=-5", "-5 0"},
              {"wait=soon", "0? 0"},             {"wait=500ms", "0? 0"},        {"wait=", "0? 0"},
              {"wait=1.5", "0? 0"},              {"wait=2147483648", "0? 0"},   {"wait=$FFFFFFFF", "-1 0"}},
             PauseOf);
}

std::string Browser;
std::string BrowserPath() { return Browser; }
std::string Expanded(const std::string& text) { return "expanded " + text; }

TEST(CommandLineOf, QuotesABrowserPathWithABlankAndExpandsCommands) {
  const std::string rows[][3] = {
      {"C:\\Web\\web.exe", "http://a.example/", "C:\\Web\\web.exe http://a.example/"},
      {"C:\\Program Files\\Web\\web.exe", "url=www.a", "\"C:\\Program Files\\Web\\web.exe\" www.a"},
      {"", "http://a.example/", " http://a.example/"},  // no browser: the shell gets the address
      {"C:\\Web\\web.exe", "%SystemRoot%\\notepad.exe", "expanded %SystemRoot%\\notepad.exe"},
  };
  for (const auto& [browser, line, commandLine] : rows) {
    Browser = browser;
    EXPECT_EQ(CommandLineOf(ClassifyListLine(line), BrowserPath, Expanded), commandLine) << line << ", browser " << browser;
  }
}

TEST(ListFile, NamesAndExitCodes) {
  for (const char* name : {"a.TXT", "b.Vlf", "C:\\x\\c.url", "ソ.vlf"}) EXPECT_TRUE(IsListFileName(name)) << name;
  for (const char* name : {"C:\\lists.d\\readme", "x.vlf.bak", "x.vl", "vlf", ""}) EXPECT_FALSE(IsListFileName(name)) << name;
  const Win::DWORD errors[][2] = {{5, 5}, {32, 32}, {0x120, 0x20}, {0x100, 255}, {0, 255}, {0xFFFFFFFF, 255}};
  for (const auto& [error, code] : errors) EXPECT_EQ(ListFileExitCode(error), code) << "error " << error;
}

}  // namespace
