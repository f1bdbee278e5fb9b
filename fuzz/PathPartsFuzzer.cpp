// The path operations and GetBufferByteType over random byte strings, on a Japanese system
// (code page 932, where "\" and ":" may stand as the second byte of a character) and on a
// western one, against a reference that walks the characters from the first byte.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"

namespace {

using Reference::Kind;

TinyUtils::ByteKind Expected(Kind kind) {
  return kind == Reference::Lead    ? TinyUtils::ByteKind::LeadByte
         : kind == Reference::Trail ? TinyUtils::ByteKind::TrailByte
                                    : TinyUtils::ByteKind::SingleByte;
}

// 1-based position of the last character that is one of delimiters and stands alone (a
// single byte, not a part of a double-byte character); 0 when none.
std::size_t LastDelimiter(const std::string& path, const std::vector<Kind>& kinds, std::string_view delimiters) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (kinds[i - 1] == Reference::Single && path[i - 1] != 0 && delimiters.find(path[i - 1]) != std::string_view::npos) {
      return i;
    }
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  bool japanese = provider.ConsumeBool();
  FuzzSupport::UseMachine(japanese);
  std::string path = provider.ConsumeRemainingBytesAsString();
  auto kinds = Reference::ByteKinds(path, japanese);

  for (std::size_t offset = 0; offset < path.size(); ++offset) {
    auto expected = path[offset] == 0 ? TinyUtils::ByteKind::SingleByte : Expected(kinds[offset]);
    FUZZ_CHECK(TinyUtils::GetBufferByteType(path.c_str(), offset) == expected);
    FUZZ_CHECK(TinyUtils::GetByteType(path, offset + 1) == expected);
  }
  FUZZ_CHECK(TinyUtils::GetBufferByteType(path.c_str(), path.size()) == TinyUtils::ByteKind::SingleByte);
  FUZZ_CHECK(TinyUtils::GetBufferByteType(nullptr, 0) == TinyUtils::ByteKind::SingleByte);

  std::size_t folderEnd = LastDelimiter(path, kinds, "\\:");
  FUZZ_CHECK(TinyUtils::FindLastDelimiter("\\:", path) == folderEnd);
  FUZZ_CHECK(TinyUtils::ExtractFolder(path) == path.substr(0, folderEnd));
  FUZZ_CHECK(TinyUtils::ExtractName(path) == path.substr(folderEnd));

  std::size_t dot = LastDelimiter(path, kinds, ".\\:");
  bool hasExtension = dot > 0 && path[dot - 1] == '.';
  std::string extension = hasExtension ? path.substr(dot - 1) : "";
  FUZZ_CHECK(TinyUtils::ExtractExtension(path) == extension);
  std::string stem = path.substr(0, path.size() - extension.size());
  FUZZ_CHECK(TinyUtils::ChangeExtension(path, ".vlf") == stem + ".vlf");
  FUZZ_CHECK(TinyUtils::ChangeExtension(path, extension) == path);

  bool endsInBackslash = !path.empty() && path.back() == '\\' && kinds.back() == Reference::Single;
  FUZZ_CHECK(TinyUtils::IsBackslashAt(path, path.size()) == endsInBackslash);
  FUZZ_CHECK(!TinyUtils::IsBackslashAt(path, 0) && !TinyUtils::IsBackslashAt(path, path.size() + 1));
  FUZZ_CHECK(TinyUtils::AddTrailingBackslash(path) == (endsInBackslash ? path : path + "\\"));
  FUZZ_CHECK(TinyUtils::RemoveTrailingBackslash(path) == (endsInBackslash ? path.substr(0, path.size() - 1) : path));
  return 0;
}
