// Unicode text brought to the ANSI code page: UTF-8 checked and decoded, UTF-16 encoded a
// character at a time, percent forms for what the code page lacks.
#include "Unicode.h"

#include <cstdint>

namespace Unicode {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct TSequence {
  char32_t CodePoint = 0;
  std::size_t Length = 0;  // 0: no valid sequence begins here
};

// The UTF-8 sequence that begins at text[at].
TSequence SequenceAt(std::string_view text, std::size_t at) {
  auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0 || text.size() - at < length) return {};
  char32_t codePoint = lead & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k) {
    auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return {};
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kSmallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {};
  return {codePoint, length};
}

void AppendUtf16(char32_t codePoint, std::u16string& text) {
  if (codePoint < 0x10000) {
    text += static_cast<char16_t>(codePoint);
  } else {
    codePoint -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    text += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
  }
}

// The percent form of the UTF-8 bytes of codePoint.
void AppendPercentForm(char32_t codePoint, std::string& text) {
  constexpr std::uint8_t kLead[] = {0, 0x00, 0xC0, 0xE0, 0xF0};
  std::size_t length = codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
  std::uint8_t bytes[4];
  for (std::size_t k = length; k-- > 1; codePoint >>= 6) bytes[k] = static_cast<std::uint8_t>(0x80 | (codePoint & 0x3F));
  bytes[0] = static_cast<std::uint8_t>(kLead[length] | codePoint);
  constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t k = 0; k < length; ++k) {
    text += '%';
    text += kHex[bytes[k] >> 4];
    text += kHex[bytes[k] & 0xF];
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

bool IsUtf8Text(std::string_view text) {
  bool multiByte = false;
  for (std::size_t at = 0; at < text.size();) {
    TSequence sequence = SequenceAt(text, at);
    if (sequence.Length == 0) return false;
    multiByte = multiByte || sequence.Length > 1;
    at += sequence.Length;
  }
  return multiByte;
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    TSequence sequence = SequenceAt(text, at);
    AppendUtf16(sequence.Length != 0 ? sequence.CodePoint : kReplacement, result);
    at += sequence.Length != 0 ? sequence.Length : 1;
  }
  return result;
}

TAnsiText AnsiFromUtf16(std::u16string_view text, TAnsiEncoder encode) {
  TAnsiText result;
  result.Text.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    bool pair = IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]);
    bool loneSurrogate = !pair && (IsHighSurrogate(text[at]) || IsLowSurrogate(text[at]));
    std::u16string_view character = text.substr(at, pair ? 2 : 1);
    at += character.size();
    if (!loneSurrogate && encode(character, result.Text)) continue;
    char32_t codePoint = pair ? 0x10000 + ((char32_t{character[0]} - 0xD800) << 10) + (character[1] - 0xDC00)
                         : loneSurrogate ? kReplacement
                                         : character[0];
    AppendPercentForm(codePoint, result.Text);
    result.Lacking = true;
  }
  return result;
}

}  // namespace Unicode
