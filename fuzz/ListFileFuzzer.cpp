// List files, whole files as input, on a simulated Japanese Windows:
// - the launcher's reader gives the lines a reference split gives, also when the data
//   ends early in a broken pipe or a read fails at an offset taken from the content;
// - every line is classified as its trimmed text says (blank, comment, pause with its
//   number read by the reference, web address or command after an optional "url=");
// - ExecuteListFile then does, in order, exactly what the classified lines ask for (for
//   inputs up to 256 bytes: the simulated program search costs the square of a line's length;
//   and not for a list that the simulation takes for a program, see below).
#include <algorithm>
#include <numeric>

#include "FuzzSupport.h"
#include "ListFile.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimPrograms.h"

namespace {

const std::string kList = "C:\\Lists\\list.vlf";
constexpr char kCtrlZ = 26;
constexpr std::size_t kLargestExecuted = 256;

struct ReadResult {
  std::vector<std::string> lines;
  bool failed = false;
};

// The lines of data: each ends at a line feed, carriage returns are no part of it, the last
// needs no line end, and a Ctrl-Z where a line would begin ends the data. When the read
// after data fails, the line it cut is lost and the failure is seen unless a Ctrl-Z came first.
ReadResult ReferenceRead(const std::string& data, bool readFailsAtEnd) {
  ReadResult result;
  std::size_t at = 0;
  while (at < data.size() && data[at] != kCtrlZ) {
    std::size_t end = data.find('\n', at);
    if (end == std::string::npos && readFailsAtEnd) break;
    std::string line = data.substr(at, end == std::string::npos ? std::string::npos : end - at);
    std::erase(line, '\r');
    result.lines.push_back(line);
    at = end == std::string::npos ? data.size() : end + 1;
  }
  result.failed = readFailsAtEnd && (at >= data.size() || data[at] != kCtrlZ);
  return result;
}

ReadResult ReadWithLauncherReader() {
  Win::HANDLE file = OpenListFile(kList);
  FUZZ_CHECK(file != Win::INVALID_HANDLE_VALUE);
  ReadResult result;
  TLineReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) result.lines.push_back(line);
  result.failed = reader.Error() != 0;
  FUZZ_CHECK(reader.Error() == (result.failed ? 23u : 0u));
  Win::CloseHandle(file);
  return result;
}

bool StartsWithKey(const std::string& text, const std::string& key) {
  if (text.size() < key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != key[i]) return false;
  }
  return true;
}

void CheckClassification(const std::string& line, const TListLine& classified) {
  std::string trimmed = Reference::Trim(line);
  FUZZ_CHECK(classified.Trimmed == trimmed);
  if (trimmed.empty()) {
    FUZZ_CHECK(classified.Kind == TLineKind::Blank);
  } else if (trimmed[0] == ';') {
    FUZZ_CHECK(classified.Kind == TLineKind::Comment);
  } else if (StartsWithKey(trimmed, "wait=")) {
    FUZZ_CHECK(classified.Kind == TLineKind::Pause);
    std::optional<std::int32_t> value = Reference::StrToInt(trimmed.substr(5));
    FUZZ_CHECK(classified.ValueIsNumber == value.has_value());
    FUZZ_CHECK(classified.Value == value.value_or(0));
    FUZZ_CHECK(classified.Milliseconds == static_cast<Win::DWORD>(std::clamp(value.value_or(0), 0, 10000)));
  } else {
    bool prefixed = StartsWithKey(trimmed, "url=");
    std::string text = prefixed ? trimmed.substr(4) : trimmed;
    bool address = text.starts_with("http:") || text.starts_with("www.");
    FUZZ_CHECK(classified.Kind == (address ? TLineKind::WebAddress : TLineKind::Command));
    FUZZ_CHECK(classified.HadUrlPrefix == prefixed && classified.Text == text);
  }
}

// What the launcher does with the lines, as the log of the simulated machine writes it.
// No program exists to be started, so every entry goes to the shell after its start fails;
// a text longer than a program start (32,766 characters) or the shell (2,083) takes is
// not handed to it.
std::vector<std::string> ExpectedActivity(const std::vector<TListLine>& lines) {
  std::vector<std::string> activity;
  for (const TListLine& line : lines) {
    if (line.Kind == TLineKind::Pause && line.Milliseconds > 0) activity.push_back("wait " + std::to_string(line.Milliseconds));
    if (line.Kind != TLineKind::WebAddress && line.Kind != TLineKind::Command) continue;
    std::string text = CommandLineOf(line).c_str();  // the platform reads up to a zero byte
    std::size_t characters = TinyUtils::WideLength(text);
    if (characters <= 32766) activity.push_back("fail " + text);
    if (characters <= 2083) activity.push_back("open " + text);
  }
  return activity;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSupport::FreshMachine();
  std::string content = FuzzSupport::Text(data, size);
  Sim::AddFolder("C:\\Lists");
  Sim::AddFile(kList, content);

  ReadResult read = ReadWithLauncherReader();
  ReadResult expected = ReferenceRead(content, false);
  FUZZ_CHECK(read.lines == expected.lines && !read.failed);
  std::vector<TListLine> classified;
  for (const std::string& line : expected.lines) {
    classified.push_back(ClassifyListLine(line));
    CheckClassification(line, classified.back());
  }
  // A file that begins with "MZ" is a program to the simulation, and a line of the list can
  // name the list itself (also through "x\.."): such a list is not executed here.
  if (size <= kLargestExecuted && !content.starts_with("MZ")) {
    std::vector<std::string> activity = ExpectedActivity(classified);
    ExecuteListFile(kList);
    FUZZ_CHECK(Sim::Activity() == activity);
    FUZZ_CHECK(Sim::OpenFileHandles(kList) == 0);
  }

  // The data cut at an offset the content chooses: by a broken pipe (the end of the data),
  // then by a failing read.
  std::size_t cut = std::accumulate(content.begin(), content.end(), std::size_t{0},
                                    [](std::size_t sum, char c) { return sum + static_cast<unsigned char>(c); }) %
                    (size + 1);
  Sim::FailReadsAt(kList, cut, Win::ERROR_BROKEN_PIPE);
  FUZZ_CHECK(ReadWithLauncherReader().lines == ReferenceRead(content.substr(0, cut), false).lines);
  Sim::FailReadsAt(kList, cut, 23);  // ERROR_CRC
  ReadResult failing = ReadWithLauncherReader(), expectedFailing = ReferenceRead(content.substr(0, cut), true);
  FUZZ_CHECK(failing.lines == expectedFailing.lines && failing.failed == expectedFailing.failed);
  return 0;
}
