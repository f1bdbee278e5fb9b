// Vorla, list files: opening, reading and classifying lines, and executing them one after
// another.
#include "ListFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "TinyShell.h"
#include "TinyUtilsBrowser.h"
#include "TinyUtilsText.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace {

constexpr char kCtrlZ = 26;

[[noreturn]] void EndWithError(Win::DWORD error) { Win::ExitProcess(ListFileExitCode(error)); }

bool IsWebAddress(const std::string& text) { return text.starts_with("http:") || text.starts_with("www."); }

// Whether the line begins with key (lower case) in any letter case.
bool StartsWithKey(const std::string& line, const std::string& key) {
  return TinyUtils::LowerCase(line.substr(0, key.size())) == key;
}

void ExecuteLine(const TListLine& line) {
  switch (line.Kind) {
    case TLineKind::Blank:
    case TLineKind::Comment:
      return;
    case TLineKind::Pause:
      if (line.Milliseconds > 0) Win::Sleep(line.Milliseconds);
      return;
    case TLineKind::WebAddress:
    case TLineKind::Command: {
      std::string text = CommandLineOf(line);
      if (!TinyUtils::RunCommand(text, "")) TinyShell::ShellOpen(text, "");
      return;
    }
  }
}

}  // namespace

Win::UINT ListFileExitCode(Win::DWORD error) {
  Win::UINT code = error & 0xFF;
  return code != 0 ? code : 255;
}

bool IsListFileName(const std::string& path) {
  std::string extension = TinyUtils::AsciiLowerCase(TinyUtils::ExtractExtension(path));
  return extension == ".txt" || extension == ".vlf" || extension == ".url";
}

Win::HANDLE OpenListFile(const std::string& path) {
  return Win::CreateFileA(path.c_str(), Win::GENERIC_READ, Win::FILE_SHARE_READ, nullptr, Win::OPEN_EXISTING,
                          Win::FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool TLineReader::HasData() {
  if (position_ < length_) return true;
  if (endOfData_) return false;
  position_ = length_ = 0;
  if (!Win::ReadFile(file_, buffer_, kBufferSize, &length_, nullptr)) {
    length_ = 0;
    Win::DWORD error = Win::GetLastError();
    if (error != Win::ERROR_BROKEN_PIPE) error_ = error;
  }
  endOfData_ = length_ == 0;
  return !endOfData_;
}

bool TLineReader::ReadLine(std::string& line) {
  line.clear();
  if (!HasData() || buffer_[position_] == kCtrlZ) return false;
  // The buffer's bytes up to the line feed, or all of them, a run between CRs at a time.
  while (HasData()) {
    const char* start = buffer_ + position_;
    const char* end = buffer_ + length_;
    const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(end - start)));
    const char* stop = lineFeed != nullptr ? lineFeed : end;
    for (const char* run = start; run != stop;) {
      const void* carriageReturn = std::memchr(run, '\r', static_cast<std::size_t>(stop - run));
      const char* runEnd = carriageReturn != nullptr ? static_cast<const char*>(carriageReturn) : stop;
      line.append(run, runEnd);
      run = runEnd == stop ? stop : runEnd + 1;
    }
    position_ = static_cast<Win::DWORD>(stop - buffer_);
    if (lineFeed != nullptr) {
      ++position_;
      break;
    }
  }
  return error_ == 0;
}

bool TLineReader::AtCtrlZ() const { return position_ < length_ && buffer_[position_] == kCtrlZ; }

void TLineReader::SkipCtrlZ() { ++position_; }

TListLine ClassifyListLine(std::string line) {
  TListLine result;
  result.Trimmed = TinyUtils::Trim(std::move(line));
  const std::string& trimmed = result.Trimmed;
  if (trimmed.empty()) return result;
  if (trimmed[0] == ';') {
    result.Kind = TLineKind::Comment;
  } else if (StartsWithKey(trimmed, "wait=")) {
    result.Kind = TLineKind::Pause;
    result.ValueIsNumber = TinyUtils::TryStrToInt(trimmed.substr(5), result.Value);
    if (result.Value >= 1) result.Milliseconds = static_cast<Win::DWORD>(std::min(result.Value, TListLine::kLongestPause));
  } else {
    result.HadUrlPrefix = StartsWithKey(trimmed, "url=");
    result.Text = result.HadUrlPrefix ? trimmed.substr(4) : trimmed;
    result.Kind = IsWebAddress(result.Text) ? TLineKind::WebAddress : TLineKind::Command;
  }
  return result;
}

std::string CommandLineOf(const TListLine& line) {
  if (line.Kind == TLineKind::WebAddress) {
    return TinyUtils::QuoteProgramPath(TinyUtils::GetDefaultBrowserPath()) + " " + line.Text;
  }
  return TinyUtils::ExpandEnvStrings(line.Text);
}

void ExecuteListFile(const std::string& path) {
  Win::HANDLE file = OpenListFile(path);
  if (file == Win::INVALID_HANDLE_VALUE) EndWithError(Win::GetLastError());
  TLineReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) ExecuteLine(ClassifyListLine(std::move(line)));
  if (reader.Error() != 0) EndWithError(reader.Error());
  if (!Win::CloseHandle(file)) EndWithError(Win::GetLastError());
}
