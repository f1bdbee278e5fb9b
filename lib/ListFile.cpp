// List files: reading and classifying lines.
#include "ListFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "Browser.h"
#include "Paths.h"
#include "Text.h"

namespace {

constexpr char kCtrlZ = 26;

bool IsWebAddress(const std::string& text) { return text.starts_with("http:") || text.starts_with("www."); }

// Whether the line begins with key (lower case) in any letter case. ASCII lowering finds
// what the platform's CharLowerBuffA finds: no other character lowers to ASCII.
bool StartsWithKey(const std::string& line, const std::string& key) {
  return TinyUtils::AsciiLowerCase(line.substr(0, key.size())) == key;
}

}  // namespace

bool IsListFileName(const std::string& path) {
  std::string extension = TinyUtils::AsciiLowerCase(TinyUtils::ExtractExtension(path));
  return extension == ".txt" || extension == ".vlf" || extension == ".url";
}

bool TLineReader::HasData() {
  if (position_ < length_) return true;
  if (endOfData_) return false;
  position_ = length_ = 0;
  failed_ = !source_->Read(buffer_, kBufferSize, length_);
  if (failed_) length_ = 0;
  endOfData_ = length_ == 0;
  return !endOfData_;
}

TReadResult TLineReader::ReadLine(std::string& line) {
  line.clear();
  if (!HasData()) return TReadResult::End;
  if (buffer_[position_] == kCtrlZ) {
    ++position_;
    return TReadResult::CtrlZ;
  }
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
    position_ = static_cast<std::size_t>(stop - buffer_);
    if (lineFeed != nullptr) {
      ++position_;
      break;
    }
  }
  return failed_ ? TReadResult::End : TReadResult::Line;
}

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

TDecodedLine TLineDecoder::Decode(std::string line) {
  if (encode_ == nullptr) return {std::move(line)};
  if (firstLine_ && line.starts_with(Unicode::kUtf8Bom)) {
    utf8File_ = true;
    line.erase(0, Unicode::kUtf8Bom.size());
  }
  firstLine_ = false;
  if (!utf8File_ && !Unicode::IsUtf8Text(line)) return {std::move(line)};
  Unicode::TAnsiText ansi = Unicode::AnsiFromUtf16(Unicode::Utf16FromUtf8(line), encode_);
  return {std::move(ansi.Text), true, ansi.Lacking};
}

TListLine ClassifyDecodedLine(TDecodedLine line) {
  TListLine result = ClassifyListLine(std::move(line.Text));
  result.ReadAsUtf8 = line.Utf8;
  if (line.Lacking && result.Kind == TLineKind::Command) result.Kind = TLineKind::Unreachable;
  return result;
}

std::string CommandLineOf(const TListLine& line, std::string (*browserPath)(),
                          std::string (*expand)(const std::string& text)) {
  if (line.Kind == TLineKind::WebAddress) return TinyUtils::QuoteProgramPath(browserPath()) + " " + line.Text;
  return expand(line.Text);
}

Win::UINT ListFileExitCode(Win::DWORD error) {
  Win::UINT code = error & 0xFF;
  return code != 0 ? code : 255;
}
