// The list-file grammar the launcher and the checker share: the reader over bytes arriving
// in chunks of any size, the command line of a line. The line kinds and pauses are held to a
// reference by the fuzz target ListFile.
#include <gtest/gtest.h>

#include "ListFile.h"
#include "Support.h"

namespace {

// Every ReadLine result up to the end, "|" between them: the lines, "<Z>" for a Ctrl-Z.
std::string ReadAll(const std::string& data, std::size_t chunk, std::size_t failAt = SIZE_MAX) {
  TChunks source(data, chunk, failAt);
  TLineReader reader(source);
  std::string results, line;
  for (TReadResult result; (result = reader.ReadLine(line)) != TReadResult::End;) {
    results += "|" + (result == TReadResult::CtrlZ ? "<Z>" : line);
  }
  return results.substr(results.empty() ? 0 : 1);
}

TEST(TLineReader, SplitsLinesWhereverTheChunksEnd) {
  const std::string longLine(3 * TLineReader::kBufferSize + 5, 'x');
  for (std::size_t chunk = 1; chunk <= 2 * TLineReader::kBufferSize; chunk += chunk < 40 ? 1 : 328) {
    SCOPED_TRACE("in chunks of " + std::to_string(chunk));
    ExpectEach({{"", ""},
                {"a\r\nb\nc", "a|b|c"},
                {"a\rb\r\r\n", "ab"},            // a lone CR is dropped
                {"a\n\x1A" "b\nc", "a|<Z>|b|c"},  // where a line begins, Ctrl-Z ends the file
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
