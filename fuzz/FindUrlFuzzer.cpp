// FindURL: the address it reports lies inside the text, begins with one of the five
// prefixes, runs on over address characters as far as they go, and no earlier position
// holds a prefix; when it reports none, no position holds one.
#include <string_view>

#include "FuzzSupport.h"
#include "TinyUtilsUrl.h"

namespace {

constexpr std::string_view kPrefixes[] = {"http:", "https:", "ttp:", "ttps:", "www."};
// The 78 characters that continue an address.
constexpr std::string_view kAddressCharacters =
    "#%&+,-./0123456789:;=?ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz~";

bool IsAddressCharacter(char byte) { return kAddressCharacters.find(byte) != std::string_view::npos; }

// The length of the prefix that stands at index; 0 when none does.
std::size_t PrefixAt(std::string_view text, std::size_t index) {
  for (std::string_view prefix : kPrefixes) {
    if (text.substr(index).starts_with(prefix)) return prefix.size();
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static_assert(kAddressCharacters.size() == 78);
  for (int byte = 0; byte < 256; ++byte) {
    FUZZ_CHECK(TinyUtils::IsURLChar(static_cast<unsigned char>(byte)) == IsAddressCharacter(static_cast<char>(byte)));
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = FuzzSupport::Text(data, size);
  std::int32_t start = -1, length = -1;
  bool found = TinyUtils::FindURL(text, start, length);
  std::size_t first = found ? static_cast<std::size_t>(start) - 1 : text.size();
  for (std::size_t index = 0; index < first; ++index) FUZZ_CHECK(PrefixAt(text, index) == 0);
  if (!found) {
    FUZZ_CHECK(start == 0 && length == 0);
    return 0;
  }
  FUZZ_CHECK(start >= 1 && length >= 1);
  std::size_t end = first + static_cast<std::size_t>(length);
  FUZZ_CHECK(end <= text.size());
  std::size_t prefix = PrefixAt(text, first);
  FUZZ_CHECK(prefix != 0 && prefix <= static_cast<std::size_t>(length));
  for (std::size_t index = first + prefix - 1; index < end; ++index) FUZZ_CHECK(IsAddressCharacter(text[index]));
  FUZZ_CHECK(end == text.size() || !IsAddressCharacter(text[end]));
  return 0;
}
