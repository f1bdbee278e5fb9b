// The path parts over random byte strings, on a Japanese system (code page 932, where "\",
// ":" and "." may stand as the second byte of a character) and on a western one, against a
// reference that walks the characters from the first byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <string_view>

#include "FuzzSupport.h"
#include "Paths.h"

// 1-based position of the last single-byte character that is one of delimiters; 0 when none.
std::size_t LastDelimiter(const std::string& path, const std::vector<Reference::Kind>& kinds, std::string_view delimiters) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (kinds[i - 1] == Reference::Single && path[i - 1] != 0 && delimiters.find(path[i - 1]) != std::string_view::npos) {
      return i;
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  bool japanese = provider.ConsumeBool();
  UseLocale(japanese);
  std::string path = provider.ConsumeRemainingBytesAsString();
  std::vector<Reference::Kind> kinds = Reference::ByteKinds(path, japanese);

  std::size_t folderEnd = LastDelimiter(path, kinds, "\\:");
  FUZZ_CHECK(TinyUtils::ExtractFolder(path) == path.substr(0, folderEnd));
  FUZZ_CHECK(TinyUtils::ExtractName(path) == path.substr(folderEnd));
  std::size_t dot = LastDelimiter(path, kinds, ".\\:");
  std::string extension = dot > 0 && path[dot - 1] == '.' ? path.substr(dot - 1) : "";
  FUZZ_CHECK(TinyUtils::ExtractExtension(path) == extension);
  FUZZ_CHECK(TinyUtils::ChangeExtension(path, ".vlf") == path.substr(0, path.size() - extension.size()) + ".vlf");

  bool endsInBackslash = !path.empty() && path.back() == '\\' && kinds.back() == Reference::Single;
  FUZZ_CHECK(TinyUtils::AddTrailingBackslash(path) == (endsInBackslash ? path : path + "\\"));
  FUZZ_CHECK(TinyUtils::RemoveTrailingBackslash(path) == (endsInBackslash ? path.substr(0, path.size() - 1) : path));
  return 0;
}
