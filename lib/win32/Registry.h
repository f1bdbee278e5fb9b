// Windows only: TinyUtils, registry: one text value read (advapi32).
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyUtils {

// The REG_SZ value's text without its terminating zero; empty on any failure.
std::string ReadRegString(Win::HKEY root, const std::string& keyPath, const std::string& valueName);

}  // namespace TinyUtils
