// ReplaceAll against a reference that walks the text character by character and replaces
// the pattern wherever it stands at a character boundary, on a Japanese and on a western
// system. The patterns are made of whole characters; the launcher's two dash patterns
// with their replacement "-" come up as often as random ones.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "TinyUtilsUrl.h"

namespace {

std::string ReferenceReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement,
                                bool doubleByte) {
  if (pattern.empty()) return text;
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, pattern.size(), pattern) == 0) {
      result += replacement;
      i += pattern.size();
    } else {
      std::size_t length = Reference::CharacterLength(text, i, doubleByte);
      result.append(text, i, length);
      i += length;
    }
  }
  return result;
}

// The pattern without a lead byte at its end that has no second byte.
std::string WholeCharacters(std::string pattern, bool doubleByte) {
  auto kinds = Reference::ByteKinds(pattern, doubleByte);
  if (!kinds.empty() && kinds.back() == Reference::Lead) pattern.pop_back();
  return pattern;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  bool japanese = provider.ConsumeBool();
  FuzzSupport::UseMachine(japanese);
  std::string pattern, replacement = "-";
  switch (provider.ConsumeIntegralInRange(0, 3)) {
    case 0:
      pattern = "\x81\x5D";  // "‐"
      break;
    case 1:
      pattern = "\x81\x5B";  // "ー"
      break;
    default:
      pattern = WholeCharacters(provider.ConsumeRandomLengthString(8), japanese);
      replacement = provider.ConsumeRandomLengthString(8);
  }
  std::string text = provider.ConsumeRemainingBytesAsString();
  FUZZ_CHECK(TinyUtils::ReplaceAll(text, pattern, replacement) ==
             ReferenceReplaceAll(text, pattern, replacement, japanese));
  return 0;
}
