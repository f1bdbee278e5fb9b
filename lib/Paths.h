// TinyUtils, paths: the parts of file paths, never taking the second byte of a double-byte
// character for a "\", ":" or "." (Text.h). Positions are 1-based.
#pragma once

#include <string>

namespace TinyUtils {

// 1-based position of the last byte of text that is one of delimiters and not the second
// byte of a double-byte character; 0 when none.
std::size_t FindLastDelimiter(const std::string& delimiters, const std::string& text);
std::string ExtractFolder(const std::string& path);     // up to and including the last "\" or ":"
std::string ExtractName(const std::string& path);       // after the last "\" or ":"
std::string ExtractExtension(const std::string& path);  // from the last "." of the name; empty without
std::string ChangeExtension(const std::string& path, const std::string& extension);
bool IsBackslashAt(const std::string& text, std::size_t index);
std::string AddTrailingBackslash(const std::string& text);
std::string RemoveTrailingBackslash(const std::string& text);

}  // namespace TinyUtils

// The settings file both programs share, in the given program folder.
std::string SettingsFileIn(const std::string& programFolder);
