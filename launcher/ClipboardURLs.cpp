// Vorla, clipboard: the address of one line of the clipboard's text, and the clipboard's
// Unicode text.
#include "ClipboardURLs.h"

#include <utility>

#include "Text.h"
#include "Url.h"

namespace {

constexpr char kHyphen[] = "\x81\x5D";     // "‐"
constexpr char kLongVowel[] = "\x81\x5B";  // "ー"

}  // namespace

std::string ClipboardAddressIn(const std::string& halfWidthLine) {
  std::string line = TinyUtils::Trim(halfWidthLine);
  line = TinyUtils::ReplaceAll(std::move(line), kHyphen, "-");
  line = TinyUtils::ReplaceAll(std::move(line), kLongVowel, "-");
  std::int32_t start = 0, length = 0;
  if (!TinyUtils::FindURL(line, start, length)) return {};
  std::string address = line.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
  if (address.starts_with("ttp:") || address.starts_with("ttps:")) address = "h" + address;
  return address;
}

std::u16string Utf16TextOfBlock(const unsigned char* block, std::size_t size) {
  std::u16string text;
  for (std::size_t at = 0; at + 1 < size; at += 2) {
    auto unit = static_cast<char16_t>(block[at] | block[at + 1] << 8);  // little-endian, as on Windows
    if (unit == 0) break;
    text += unit;
  }
  return text;
}
