// TinyReg: registry values addressed by one path text "key\subkey\...\value name" below a
// root key. The text is split at its last backslash (a plain byte search): before it the
// key, after it the value name (empty: the key's default value). A path without any
// backslash is refused. Every operation answers true on success.
#pragma once

#include <cstddef>
#include <string>

#include "platform/WinTypes.h"

namespace TinyReg {

// 1-based position of the last byte equal to character in text; 0 when there is none.
std::size_t LastCharPos(char character, const std::string& text);
// Writes the value, creating every missing key on the way.
bool WriteRegValue(Win::HKEY root, const std::string& path, Win::DWORD type, const void* data, Win::DWORD size);
// A REG_SZ value: the text and one zero byte.
bool WriteRegString(Win::HKEY root, const std::string& path, const std::string& text);
// Whether the key part of path exists; the value name is not looked at.
bool RegKeyExists(Win::HKEY root, const std::string& path);
// Deletes one key: for a path ending in a backslash the key part itself, otherwise the
// subkey named after the last backslash. Never walks into subkeys: whether a key that
// has subkeys goes is the platform's decision (the NT family refuses it).
bool DeleteRegKey(Win::HKEY root, const std::string& path);

}  // namespace TinyReg
