// TinyUtils, addresses: FindURL and ReplaceAll.
#include "TinyUtilsUrl.h"

#include <array>
#include <string_view>

#include "TinyUtilsText.h"
#include "platform/Locale.h"
#include "platform/WinConstants.h"

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

// The prefixes of an address, in the order they are tried at a position; only those whose
// first byte stands there are tried.
constexpr std::string_view kPrefixes[] = {"http:", "https:", "ttp:", "ttps:", "www."};

bool IsPrefixByte(char byte) { return byte == 'h' || byte == 't' || byte == 'w'; }

// Length of the prefix that begins at index (0-based); 0 when none does.
std::size_t PrefixLengthAt(const std::string& text, std::size_t index) {
  for (std::string_view prefix : kPrefixes) {
    if (prefix[0] == text[index] && text.compare(index, prefix.size(), prefix) == 0) return prefix.size();
  }
  return 0;
}

// The next occurrence of pattern at or after from (a character boundary), or npos. A match
// that begins on the second byte of a double-byte character is none; the byte kind is
// worked out from from, and the platform's comparison confirms the match.
std::size_t FindOccurrence(const std::string& text, std::size_t from, const std::string& pattern) {
  auto length = static_cast<int>(pattern.size());
  for (std::size_t candidate = text.find(pattern, from); candidate != std::string::npos;
       candidate = text.find(pattern, candidate + 1)) {
    if (GetBufferByteType(text.c_str() + from, candidate - from) == ByteKind::TrailByte) continue;
    if (Win::CompareStringA(Win::LOCALE_USER_DEFAULT, Win::SORT_STRINGSORT, text.data() + candidate, length,
                            pattern.data(), length) == Win::CSTR_EQUAL) {
      return candidate;
    }
  }
  return std::string::npos;
}

}  // namespace

bool IsURLChar(unsigned char byte) { return URLChars[byte]; }

bool FindURL(const std::string& text, std::int32_t& start, std::int32_t& length) {
  start = 0;
  length = 0;
  // One pass: every byte position is a candidate, the second byte of a double-byte
  // character too; the first prefix found wins.
  for (std::size_t index = 0; index < text.size(); ++index) {
    if (!IsPrefixByte(text[index])) continue;
    std::size_t prefixLength = PrefixLengthAt(text, index);
    if (prefixLength == 0) continue;
    std::size_t end = index + prefixLength;
    while (end < text.size() && URLChars[static_cast<unsigned char>(text[end])]) ++end;
    start = static_cast<std::int32_t>(index + 1);  // 1-based
    length = static_cast<std::int32_t>(end - index);
    return true;
  }
  return false;
}

std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement) {
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
