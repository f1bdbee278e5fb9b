// VLCheck: the checks of a list file, line by line, as the launcher reads it.
#include "ListCheck.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "Paths.h"
#include "ShellLimits.h"
#include "Text.h"

namespace {

// The platform takes texts up to their first zero byte: what follows never reaches it.
std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

void Warn(TLineReport& report, TWarning warning) { report.Warnings.push_back(warning); }

// An entry that is no web address but was probably meant as one: the reasons it is not.
void AddAddressWarnings(TLineReport& report, TLineLookups& lookups) {
  const TListLine& line = report.Line;
  std::string written = TinyUtils::Trim(UpToZero(line.Text));
  std::string halfWidth = lookups.ToHalfWidth(written);
  // ASCII lowering: no other character lowers to ASCII, so only these prefixes can match.
  std::string lower = TinyUtils::AsciiLowerCase(halfWidth);
  for (std::string prefix : {"https:", "http:", "ttps:", "ttp:", "www."}) {
    if (!lower.starts_with(prefix)) continue;
    if (line.HadUrlPrefix && static_cast<unsigned char>(line.Text[0]) <= 0x20) Warn(report, TWarning::AddressAfterBlank);
    if (!written.starts_with(halfWidth.substr(0, prefix.size()))) Warn(report, TWarning::AddressInFullWidth);
    if (!halfWidth.starts_with(prefix)) Warn(report, TWarning::AddressInCapitals);
    if (prefix.starts_with("ttp")) Warn(report, TWarning::AddressWithoutH);
    if (prefix.ends_with("s:")) Warn(report, TWarning::AddressHttps);
    return;
  }
}

// A web address or a command: what RunCommand starts, or what the shell opens; neither
// takes a text above its limit.
void CheckEntry(TLineReport& report, TLineLookups& lookups) {
  const TListLine& line = report.Line;
  bool webAddress = line.Kind == TLineKind::WebAddress;
  bool noBrowser = webAddress && !lookups.HasDefaultBrowser();
  report.CommandLine = UpToZero(lookups.CommandLineOf(line));
  if (line.Text.find('\0') != std::string::npos) Warn(report, TWarning::ZeroByte);
  std::size_t length = lookups.WideLength(report.CommandLine);
  TProgramLookup program;
  if (length <= TinyUtils::kLongestCommandLine) program = lookups.FindProgramOf(report.CommandLine);
  if (program.IsProgram) {
    report.Action = webAddress ? TAction::Browser : TAction::Start;
    report.Program = program.Path;
    return;
  }
  if (length > TinyUtils::kLongestShellText) {
    report.Action = TAction::NotRun;
    Warn(report, length > TinyUtils::kLongestCommandLine ? TWarning::CommandLineTooLong : TWarning::ShellTextTooLong);
    return;
  }
  report.Action = TAction::Shell;
  if (noBrowser) {
    Warn(report, TWarning::NoDefaultBrowser);
    return;
  }
  if (!webAddress) AddAddressWarnings(report, lookups);
  TShellOpener opener = lookups.FindShellOpener(report.CommandLine);
  report.OpensFolder = opener.IsFolder;
  report.Program = opener.Program;
  if (!opener.Found()) Warn(report, TWarning::ProgramNotFound);
}

TLineReport NeverReadLine(int number, const std::string& line) {
  TLineReport report;
  report.Number = number;
  report.Line.Trimmed = TinyUtils::Trim(line);
  report.Action = TAction::NeverRead;
  return report;
}

// The lines from the first one after a Ctrl-Z on: a warning on that line when any of them
// holds text.
void MarkUnreadLines(std::vector<TLineReport>& lines, std::size_t first) {
  if (first >= lines.size()) return;
  lines[first].UnreadLines = static_cast<int>(lines.size() - first);
  bool anyText = std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
                             [](const TLineReport& line) { return !line.Line.Trimmed.empty(); });
  if (anyText) Warn(lines[first], TWarning::CtrlZ);
}

}  // namespace

int TFileReport::WarningCount() const {
  std::size_t count = Warnings.size();
  for (const auto& line : Lines) count += line.Warnings.size();
  return static_cast<int>(count);
}

int TFileReport::ExitCode() const {
  if (Error != 0) return 2;
  return WarningCount() > 0 ? 1 : 0;
}

TLineReport CheckLine(int number, TDecodedLine line, TLineLookups& lookups) {
  TLineReport report;
  report.Number = number;
  report.Line = ClassifyDecodedLine(std::move(line));
  const TListLine& listLine = report.Line;
  if (number == 1 && (listLine.Trimmed.starts_with("\xFF\xFE") || listLine.Trimmed.starts_with("\xFE\xFF"))) {
    Warn(report, TWarning::Utf16Mark);
  }
  switch (listLine.Kind) {
    case TLineKind::Blank:
    case TLineKind::Comment:
      break;
    case TLineKind::Unreachable:
      report.Action = TAction::NotRun;
      Warn(report, TWarning::LacksCharacter);
      break;
    case TLineKind::Pause:
      report.Action = TAction::Pause;
      if (!listLine.ValueIsNumber) Warn(report, TWarning::PauseNotANumber);
      if (listLine.Capped()) Warn(report, TWarning::PauseCapped);
      break;
    case TLineKind::WebAddress:
    case TLineKind::Command:
      CheckEntry(report, lookups);
      break;
  }
  return report;
}

std::vector<TLineReport> CheckLines(TLineReader& reader, Unicode::TAnsiEncoder encode, TLineLookups& lookups) {
  TLineDecoder decoder(encode);
  std::vector<TLineReport> lines;
  std::string line;
  std::size_t firstUnread = SIZE_MAX;
  for (int number = 1;;) {
    TReadResult result = reader.ReadLine(line);
    if (result == TReadResult::End) break;
    if (result == TReadResult::CtrlZ) {
      firstUnread = std::min(firstUnread, lines.size());
      continue;
    }
    TDecodedLine decoded = decoder.Decode(std::move(line));
    lines.push_back(firstUnread == SIZE_MAX ? CheckLine(number, std::move(decoded), lookups)
                                            : NeverReadLine(number, decoded.Text));
    ++number;
  }
  MarkUnreadLines(lines, firstUnread);
  return lines;
}

std::string SchemeOf(const std::string& text) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon < 2) return {};
  auto isAsciiLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!isAsciiLetter(text[0])) return {};
  for (std::size_t i = 1; i < colon; ++i) {
    char c = text[i];
    if (!isAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return {};
  }
  return text.substr(0, colon);
}

std::string AppPathsName(const std::string& text) {
  // "/" and blanks are never the second byte of a double-byte character.
  if (TinyUtils::FindLastDelimiter("\\:", text) != 0 || text.find_first_of("/ \t") != std::string::npos) return {};
  return TinyUtils::ExtractExtension(text).empty() ? text + ".exe" : text;
}
