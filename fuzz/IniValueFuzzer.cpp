// Values of Vorla.ini and pauses of list files: StrToIntDefault, TryStrToInt and ReadBool's
// reading of a value against the reference reading of numbers.
#include "FuzzSupport.h"
#include "Ini.h"
#include "Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::optional<std::int32_t> expected = Reference::StrToInt(text);
  std::int32_t value = 12345;
  FUZZ_CHECK(TinyUtils::TryStrToInt(text, value) == expected.has_value());
  FUZZ_CHECK(value == expected.value_or(12345));  // untouched when no number
  FUZZ_CHECK(TinyUtils::StrToIntDefault(text, -7) == expected.value_or(-7));
  FUZZ_CHECK(TinyIni::BoolOfValue(text, false) == (expected.value_or(0) != 0));
  FUZZ_CHECK(TinyIni::BoolOfValue(text, true) == (expected.value_or(1) != 0));
  return 0;
}
