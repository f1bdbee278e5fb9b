// TinyUtils, addresses: FindURL and ReplaceAll.
#include "Url.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "Text.h"

namespace TinyUtils {
namespace {

constexpr std::array<bool, 256> MakeURLChars() {
  std::array<bool, 256> set{};
  constexpr unsigned char kRanges[][2] = {{0x23, 0x23}, {0x25, 0x26}, {0x2B, 0x3B}, {0x3D, 0x3D}, {0x3F, 0x3F},
                                          {0x41, 0x5B}, {0x5D, 0x5D}, {0x5F, 0x5F}, {0x61, 0x7A}, {0x7E, 0x7E}};
  for (const auto& range : kRanges) {
    for (unsigned byte = range[0]; byte <= range[1]; ++byte) set[byte] = true;
  }
  return set;
}
constexpr std::array<bool, 256> URLChars = MakeURLChars();

// The prefixes of an address end in ":" or "."; longest first, so that of two prefixes
// ending on the same byte ("https:" and "ttps:", "http:" and "ttp:") the leftmost wins.
constexpr std::string_view kPrefixesByLength[] = {"https:", "http:", "ttps:", "ttp:", "www."};

// Length of the prefix whose last byte is at (a ":" or "." of text), starting leftmost;
// 0 when none ends there.
std::size_t PrefixLengthEndingAt(const char* text, const char* at) {
  auto available = static_cast<std::size_t>(at - text) + 1;
  for (std::string_view prefix : kPrefixesByLength) {
    if (prefix.back() == *at && prefix.size() <= available &&
        std::memcmp(at + 1 - prefix.size(), prefix.data(), prefix.size()) == 0) {
      return prefix.size();
    }
  }
  return 0;
}

// The next byte equal to byte at or after p, or end.
const char* Next(const char* p, const char* end, char byte) {
  const void* found = std::memchr(p, byte, static_cast<std::size_t>(end - p));
  return found != nullptr ? static_cast<const char*>(found) : end;
}

// The next occurrence of pattern at or after from (a character boundary), or npos. A match
// that begins on the second byte of a double-byte character is none; the byte kind is
// worked out from from. (The platform's CompareStringA without flags would only confirm
// what the bytes already say.)
std::size_t FindOccurrence(const std::string& text, std::size_t from, const std::string& pattern) {
  for (std::size_t candidate = text.find(pattern, from); candidate != std::string::npos;
       candidate = text.find(pattern, candidate + 1)) {
    if (GetBufferByteType(text.c_str() + from, candidate - from) != ByteKind::TrailByte) return candidate;
  }
  return std::string::npos;
}

}  // namespace

bool FindURL(std::string_view text, std::int32_t& start, std::int32_t& length) {
  start = 0;
  length = 0;
  if (text.empty()) return false;
  // Every prefix ends in ":" or "." and is four to six bytes long, so the scan looks for
  // those bytes, the next of each kind at a time, and checks the prefix backwards from
  // them, in the order they stand in the text. The first of them that ends a prefix ends
  // the leftmost one: a prefix that began further left and ended later would have to be
  // six bytes long with this ":" or "." as its fifth byte, which "https:" is not. Every
  // byte is a candidate, the second byte of a double-byte character too.
  const char* begin = text.data();
  const char* end = begin + text.size();
  const char* colon = Next(begin, end, ':');
  const char* dot = Next(begin, end, '.');
  while (colon != end || dot != end) {
    const char* at = std::min(colon, dot);
    if (at == colon) colon = Next(colon + 1, end, ':');
    if (at == dot) dot = Next(dot + 1, end, '.');
    std::size_t prefixLength = PrefixLengthEndingAt(begin, at);
    if (prefixLength == 0) continue;
    const char* stop = at + 1;
    while (stop != end && URLChars[static_cast<unsigned char>(*stop)]) ++stop;
    const char* first = at + 1 - prefixLength;
    start = static_cast<std::int32_t>(first - begin + 1);  // 1-based
    length = static_cast<std::int32_t>(stop - first);
    return true;
  }
  return false;
}

std::string ReplaceAll(std::string text, const std::string& pattern, const std::string& replacement) {
  if (pattern.empty()) return text;
  std::size_t count = 0;
  for (std::size_t at = FindOccurrence(text, 0, pattern); at != std::string::npos;
       at = FindOccurrence(text, at + pattern.size(), pattern)) {
    ++count;
  }
  if (count == 0) return text;
  std::string result;
  result.reserve(text.size() - count * pattern.size() + count * replacement.size());
  std::size_t position = 0;
  for (std::size_t at = FindOccurrence(text, 0, pattern); at != std::string::npos;
       at = FindOccurrence(text, position, pattern)) {
    result.append(text, position, at - position);
    result += replacement;
    position = at + pattern.size();
  }
  result.append(text, position);
  return result;
}

}  // namespace TinyUtils
