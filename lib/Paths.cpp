// TinyUtils, paths: delimiters found from the end, by byte kind.
#include "Paths.h"

#include "Text.h"

namespace TinyUtils {

std::size_t FindLastDelimiter(const std::string& delimiters, const std::string& text) {
  for (std::size_t i = text.size(); i > 0; --i) {
    char byte = text[i - 1];
    if (byte == 0 || delimiters.find(byte) == std::string::npos) continue;
    if (GetByteType(text, i) == ByteKind::TrailByte) {
      --i;  // the lead byte of that character is no delimiter either
      if (i == 0) break;
      continue;
    }
    return i;
  }
  return 0;
}

std::string ExtractFolder(const std::string& path) {
  return path.substr(0, FindLastDelimiter("\\:", path));
}

std::string ExtractName(const std::string& path) {
  return path.substr(FindLastDelimiter("\\:", path));
}

std::string ExtractExtension(const std::string& path) {
  std::size_t i = FindLastDelimiter(".\\:", path);
  if (i > 0 && path[i - 1] == '.') return path.substr(i - 1);
  return {};
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
  std::size_t i = FindLastDelimiter(".\\:", path);
  if (i > 0 && path[i - 1] == '.') return path.substr(0, i - 1) + extension;
  return path + extension;
}

bool IsBackslashAt(const std::string& text, std::size_t index) {
  return index >= 1 && index <= text.size() && text[index - 1] == '\\' &&
         GetByteType(text, index) == ByteKind::SingleByte;
}

std::string AddTrailingBackslash(const std::string& text) {
  return IsBackslashAt(text, text.size()) ? text : text + "\\";
}

std::string RemoveTrailingBackslash(const std::string& text) {
  return IsBackslashAt(text, text.size()) ? text.substr(0, text.size() - 1) : text;
}

}  // namespace TinyUtils

std::string SettingsFileIn(const std::string& programFolder) { return programFolder + "Vorla.ini"; }
