// vorla_find_urls [--find-only] [-n] FILE: prints, one per line, the address that the
// clipboard execution finds in each line of a file taken as in half-width forms (trimmed,
// dash look-alikes replaced, the "h" of "ttp:" restored; the platform's half-width step is
// not run); with --find-only, the address FindURL reports in the line as it stands; with
// -n, each after its line's number and a colon. Lines are cut as the string list cuts the
// clipboard's text, a block of whole lines at a time, without keeping them; a zero byte
// ends a block's text. Assumes a Japanese system (code page 932).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "ClipboardURLs.h"
#include "Corpus.h"
#include "LightStrList.h"
#include "Url.h"

namespace {

constexpr std::size_t kBlockSize = 4 << 20;

std::string_view FoundAddress(std::string_view line) {
  std::int32_t start = 0, length = 0;
  if (!TinyUtils::FindURL(line, start, length)) return {};
  return line.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
}

class TOutput {
 public:
  ~TOutput() { Flush(); }
  void Line(std::size_t number, std::string_view text) {
    if (number != 0) buffer_ += std::to_string(number) + ":";
    buffer_ += text;
    buffer_ += '\n';
    if (buffer_.size() >= kBlockSize) Flush();
  }

 private:
  void Flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
    buffer_.clear();
  }
  std::string buffer_;
};

}  // namespace

int main(int argc, char** argv) {
  bool findOnly = false, numbered = false;
  int argument = 1;
  for (; argument < argc - 1; ++argument) {
    if (std::strcmp(argv[argument], "--find-only") == 0) {
      findOnly = true;
    } else if (std::strcmp(argv[argument], "-n") == 0) {
      numbered = true;
    } else {
      break;
    }
  }
  if (argument != argc - 1) {
    std::fprintf(stderr, "usage: vorla_find_urls [--find-only] [-n] FILE\n");
    return 2;
  }
  std::FILE* file = std::fopen(argv[argument], "rb");
  if (file == nullptr) {
    std::perror(argv[argument]);
    return 1;
  }
  Corpus::UseJapaneseSystem();

  TOutput output;
  std::string block(kBlockSize + 1, '\0'), line;
  std::size_t length = 0;  // bytes read into block and not yet taken
  std::size_t lineNumber = 0;
  for (bool more = true; more;) {
    if (block.size() - length < kBlockSize + 1) block.resize(length + kBlockSize + 1);
    std::size_t count = std::fread(block.data() + length, 1, kBlockSize, file);
    length += count;
    more = count != 0;
    // The whole lines read so far, ended by a zero for the cut; the rest waits for more.
    std::size_t taken = more ? block.rfind('\n', length - 1) + 1 : length;
    if (taken == 0) continue;
    char following = block[taken];
    block[taken] = 0;
    for (const char* p = block.c_str(); *p != 0;) {
      const char* start = p;
      const char* end = nullptr;
      p = LightStrList::CutLine(p, end);
      std::size_t number = numbered ? lineNumber + 1 : 0;
      ++lineNumber;
      if (findOnly) {
        std::string_view address = FoundAddress(std::string_view(start, static_cast<std::size_t>(end - start)));
        if (!address.empty()) output.Line(number, address);
      } else {
        std::string address = ClipboardAddressIn(line.assign(start, end));
        if (!address.empty()) output.Line(number, address);
      }
    }
    block[taken] = following;
    length -= taken;
    std::memmove(block.data(), block.data() + taken, length);
  }
  std::fclose(file);
  return 0;
}
