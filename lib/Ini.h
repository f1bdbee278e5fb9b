// TinyIni, values: how a value of an INI file reads as a switch, and how a switch is
// written. The file itself is read and written in win32/IniFile.h.
#pragma once

#include <string>

namespace TinyIni {

// The texts WriteBool writes: "0" for false, "1" for true.
extern const char* const BoolText[2];

// ReadBool's reading of a value: whether it is a non-zero number (StrToIntDefault);
// defaultValue when it is no number.
bool BoolOfValue(const std::string& value, bool defaultValue);

}  // namespace TinyIni
