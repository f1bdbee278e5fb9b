// Windows only: TinyUtils, a registry text value through RegQueryValueExA.
#include "win32/Registry.h"

#include <algorithm>

#include "platform/Registry.h"
#include "platform/WinConstants.h"

namespace TinyUtils {

std::string ReadRegString(Win::HKEY root, const std::string& keyPath, const std::string& valueName) {
  Win::HKEY key = nullptr;
  if (Win::RegOpenKeyExA(root, keyPath.c_str(), 0, Win::KEY_QUERY_VALUE, &key) != Win::ERROR_SUCCESS) return {};
  std::string result;
  Win::DWORD type = 0, size = 0;
  if (Win::RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == Win::ERROR_SUCCESS &&
      type == Win::REG_SZ && size > 0) {
    // A buffer of the full size reported; the data counts only when this query succeeds
    // with the same type.
    std::string data(size, '\0');
    Win::DWORD dataType = 0, dataSize = size;
    if (Win::RegQueryValueExA(key, valueName.c_str(), nullptr, &dataType, reinterpret_cast<Win::BYTE*>(data.data()),
                              &dataSize) == Win::ERROR_SUCCESS &&
        dataType == Win::REG_SZ) {
      data.resize(std::min(dataSize, size));
      // Only a stored terminating zero is dropped: data stored without one keeps its last byte.
      if (!data.empty() && data.back() == '\0') data.pop_back();
      result = data;
    }
  }
  Win::RegCloseKey(key);
  return result;
}

}  // namespace TinyUtils
