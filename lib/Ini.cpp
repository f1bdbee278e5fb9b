// TinyIni, values as switches.
#include "Ini.h"

#include "Text.h"

namespace TinyIni {

const char* const BoolText[2] = {"0", "1"};

bool BoolOfValue(const std::string& value, bool defaultValue) {
  return TinyUtils::StrToIntDefault(value, defaultValue ? 1 : 0) != 0;
}

}  // namespace TinyIni
