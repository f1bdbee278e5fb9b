// StrToIntDefault and TryStrToInt against the reference reading of numbers.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = FuzzSupport::Text(data, size);
  std::optional<std::int32_t> expected = Reference::StrToInt(text);
  std::int32_t value = 12345;
  bool number = TinyUtils::TryStrToInt(text, value);
  FUZZ_CHECK(number == expected.has_value());
  FUZZ_CHECK(value == (number ? *expected : 12345));  // untouched when no number
  FUZZ_CHECK(TinyUtils::StrToIntDefault(text, -7) == expected.value_or(-7));
  FUZZ_CHECK(TinyUtils::StrToIntDefault(text, 0) == expected.value_or(0));
  return 0;
}
