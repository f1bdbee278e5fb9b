// Windows only: TinyIni through GetPrivateProfileStringA and WritePrivateProfileStringA.
#include "win32/IniFile.h"

#include "Ini.h"
#include "platform/Profile.h"

namespace TinyIni {

std::string ReadString(const std::string& fileName, const std::string& section, const std::string& key,
                       const std::string& defaultValue) {
  // Zeroed: when a double-byte character does not fit, Wine counts a byte it leaves unwritten.
  char buffer[1024] = {};
  Win::DWORD count = Win::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                   sizeof buffer, fileName.c_str());
  return std::string(buffer, count < sizeof buffer ? count : sizeof buffer - 1);
}

bool ReadBool(const std::string& fileName, const std::string& section, const std::string& key, bool defaultValue) {
  return BoolOfValue(ReadString(fileName, section, key, ""), defaultValue);
}

bool WriteString(const std::string& fileName, const std::string& section, const std::string& key,
                 const std::string& value) {
  return Win::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName.c_str()) != 0;
}

bool WriteBool(const std::string& fileName, const std::string& section, const std::string& key, bool value) {
  return WriteString(fileName, section, key, BoolText[value ? 1 : 0]);
}

}  // namespace TinyIni
