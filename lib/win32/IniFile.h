// Windows only: TinyIni, single values of an INI file through the platform's profile
// functions. Every call opens and closes the file; reads never fail (a missing file,
// section or key gives the default), a failed write is reported by false.
#pragma once

#include <string>

namespace TinyIni {

// The key's value, at most 1023 bytes, or defaultValue when the key is absent.
std::string ReadString(const std::string& fileName, const std::string& section, const std::string& key,
                       const std::string& defaultValue);
// Whether the value is a non-zero number; defaultValue when it is no number (BoolOfValue).
bool ReadBool(const std::string& fileName, const std::string& section, const std::string& key, bool defaultValue);
bool WriteString(const std::string& fileName, const std::string& section, const std::string& key,
                 const std::string& value);
bool WriteBool(const std::string& fileName, const std::string& section, const std::string& key, bool value);

}  // namespace TinyIni
