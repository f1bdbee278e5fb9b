// Clipboard text on a Japanese or a western system: SetText cuts it into the lines a
// reference cut gives (CR LF, a lone CR and a lone LF end a line, a zero byte ends the
// text, a break at the very end adds no empty line), GetText gives them back each ended by
// CR LF; and the address of each line, taken as its half-width form, is the one the
// reference finds: the line trimmed, every "‐" and "ー" that stands on a character
// boundary made "-", the leftmost lower-case prefix and the address characters after it,
// an "h" put before "ttp:" and "ttps:". The same bytes as a block of Unicode text give its
// units up to the first zero unit, never reading past the block, and come to the code page
// (here ASCII) with what it lacks, and only that, in percent form.
#include <fuzzer/FuzzedDataProvider.h>

#include <string_view>

#include "ClipboardURLs.h"
#include "FuzzSupport.h"
#include "LightStrList.h"
#include "Unicode.h"

std::vector<std::string> ReferenceLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string rest = text.substr(0, text.find('\0'));
  while (!rest.empty()) {
    std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
    lines.push_back(rest.substr(0, end));
    rest.erase(0, rest.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
  }
  return lines;
}

std::string ReferenceAddress(const std::string& line, bool japanese) {
  std::string trimmed = Reference::Trim(line), text;
  std::vector<Reference::Kind> kinds = Reference::ByteKinds(trimmed, japanese);
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    std::string pair = trimmed.substr(i, 2);
    bool dash = kinds[i] != Reference::Trail && (pair == "\x81\x5D" || pair == "\x81\x5B");
    text += dash ? '-' : trimmed[i];
    i += dash ? 1 : 0;
  }
  constexpr std::string_view kAddressCharacters =
      "#%&+,-./0123456789:;=?ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz~";
  for (std::size_t i = 0; i < text.size(); ++i) {
    for (std::string_view prefix : {"http:", "https:", "ttp:", "ttps:", "www."}) {
      if (!std::string_view(text).substr(i).starts_with(prefix)) continue;
      std::size_t end = i + prefix.size();
      while (end < text.size() && kAddressCharacters.find(text[end]) != std::string_view::npos) ++end;
      return (text[i] == 't' ? "h" : "") + text.substr(i, end - i);
    }
  }
  return {};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  bool japanese = provider.ConsumeBool();
  UseLocale(japanese);
  std::string text = provider.ConsumeRemainingBytesAsString();
  TLightStrList list;
  list.SetText(text);
  std::vector<std::string> expected = ReferenceLines(text);
  FUZZ_CHECK(list.Count == static_cast<std::int32_t>(expected.size()));
  std::string joined;
  for (std::int32_t i = 0; i < list.Count; ++i) {
    const std::string& line = expected[static_cast<std::size_t>(i)];
    FUZZ_CHECK(list.Get(i) == line);
    FUZZ_CHECK(ClipboardAddressIn(line) == ReferenceAddress(line, japanese));
    joined += line + "\r\n";
  }
  FUZZ_CHECK(list.GetText() == joined);
  std::vector<unsigned char> block(text.begin(), text.end());  // exactly the block's size
  std::u16string units = Utf16TextOfBlock(block.data(), block.size());
  for (std::size_t i = 0; i < units.size(); ++i) FUZZ_CHECK(units[i] != 0 && units[i] == (block[2 * i] | block[2 * i + 1] << 8));
  FUZZ_CHECK(2 * units.size() + 1 >= block.size() || (block[2 * units.size()] | block[2 * units.size() + 1]) == 0);
  Unicode::TAnsiText ansi = Unicode::AnsiFromUtf16(units, Ascii);
  bool lacking = std::any_of(units.begin(), units.end(), [](char16_t unit) { return unit >= 0x80; });
  FUZZ_CHECK(ansi.Lacking == lacking && std::none_of(ansi.Text.begin(), ansi.Text.end(), [](char c) { return c & 0x80; }));
  FUZZ_CHECK(lacking || ansi.Text == std::string(units.begin(), units.end()));
  return 0;
}
