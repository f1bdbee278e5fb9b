// Simulation only: profile (INI) files in the simulated file system, read and written as
// GetPrivateProfileStringA and WritePrivateProfileStringA do it: section and key names
// match without regard to case, blanks around names and values and one pair of quotes
// around a value do not count, the first section and key of a name win, and a write
// changes one line (or adds one) and keeps every other byte of the file.
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "FileSystem.h"
#include "Machine.h"
#include "SimFiles.h"
#include "SimProfile.h"
#include "platform/Profile.h"

namespace Sim::Detail {
namespace {

// One line of a file: its text without the line break, and where the next line begins.
struct Line {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

std::vector<Line> SplitLines(const std::string& content) {
  std::vector<Line> lines;
  for (std::size_t begin = 0; begin < content.size();) {
    std::size_t lineFeed = content.find('\n', begin);
    std::size_t end = lineFeed == std::string::npos ? content.size() : lineFeed;
    std::size_t next = lineFeed == std::string::npos ? content.size() : lineFeed + 1;
    if (end > begin && content[end - 1] == '\r') --end;
    lines.push_back(Line{begin, end, next});
    begin = next;
  }
  return lines;
}

constexpr Win::DWORD kGenericRead = 0x80000000, kGenericWrite = 0x40000000, kShareReadWrite = 0x3;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& text) {
  std::size_t first = 0, end = text.size();
  while (first < end && IsBlank(text[first])) ++first;
  while (end > first && IsBlank(text[end - 1])) --end;
  return text.substr(first, end - first);
}

// The name of a section header "[name]", without blanks; nothing for other lines. The
// closing bracket is looked for character by character: "‐" (81 5D) holds a "]" byte.
std::optional<std::string> SectionName(const std::string& line) {
  std::string text = TrimBlanks(line);
  if (text.empty() || text[0] != '[') return std::nullopt;
  std::size_t i = 1;
  while (i < text.size() && text[i] != ']') {
    i += IsAnsiLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  return TrimBlanks(text.substr(1, i - 1));
}

// A "key=value" line, both sides without blanks. Comments (";") and other lines are none.
// "=" (3D) is never the second byte of a double-byte character.
struct Entry {
  std::string key;
  std::string value;
};

std::optional<Entry> EntryOf(const std::string& line) {
  std::string text = TrimBlanks(line);
  std::size_t equals = text.find('=');
  if (text.empty() || text[0] == ';' || text[0] == '[' || equals == std::string::npos) return std::nullopt;
  return Entry{TrimBlanks(text.substr(0, equals)), TrimBlanks(text.substr(equals + 1))};
}

// Where a key stands in a file: the first section of the name, and in it the first line
// that names the key.
struct Location {
  std::optional<Line> lastLineOfSection;  // its last line that is not blank; none: no such section
  std::optional<Line> keyLine;
  Entry entry;
};

Location Locate(const std::string& content, const std::string& section, const std::string& key) {
  Location where;
  bool inSection = false;
  for (const Line& line : SplitLines(content)) {
    std::string text = content.substr(line.begin, line.end - line.begin);
    if (auto name = SectionName(text)) {
      if (inSection) break;
      inSection = SameName(*name, section);
      if (inSection) where.lastLineOfSection = line;
      continue;
    }
    if (!inSection) continue;
    if (!TrimBlanks(text).empty()) where.lastLineOfSection = line;
    auto entry = EntryOf(text);
    if (entry && SameName(entry->key, key)) {
      where.keyLine = line;
      where.entry = *entry;
      break;
    }
  }
  return where;
}

std::string Unquoted(const std::string& value) {
  bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
  return quoted ? value.substr(1, value.size() - 2) : value;
}

bool IsBareName(const char* fileName) { return std::strpbrk(fileName, "\\/") == nullptr; }

std::string ProfilePath(const char* fileName) {
  return IsBareName(fileName) ? std::string(Sim::kWindowsFolder) + "\\" + fileName : fileName;
}

// The file's text with key set to value: its line rewritten, or a line added at the end of
// the section (after its last line that is not blank), or the section added at the end.
std::string WithValue(const std::string& content, const std::string& section, const std::string& key,
                      const std::string& value) {
  Location where = Locate(content, section, key);
  if (where.keyLine) {
    return content.substr(0, where.keyLine->begin) + where.entry.key + "=" + value + content.substr(where.keyLine->end);
  }
  std::string line = key + "=" + value + "\r\n";
  if (!where.lastLineOfSection) {
    bool endsLine = content.empty() || content.back() == '\n';
    return content + (endsLine ? "" : "\r\n") + "[" + section + "]\r\n" + line;
  }
  const Line& last = *where.lastLineOfSection;
  if (last.next == last.end) line = "\r\n" + line;  // the file's last line has no line break
  return content.substr(0, last.next) + line + content.substr(last.next);
}

}  // namespace
}  // namespace Sim::Detail

namespace Win {
using namespace Sim::Detail;

DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue, char* returned,
                               DWORD size, const char* fileName) {
  SIM_CHECK(section != nullptr && key != nullptr);  // lists of sections or keys are not simulated
  // The default loses its trailing spaces (not tabs).
  std::string value = defaultValue ? defaultValue : "";
  value.erase(value.find_last_not_of(' ') + 1);
  // The file is read through a handle for reading that shares reading and writing.
  const FileNode* node = FindNode(ProfilePath(fileName));
  auto content = node != nullptr && OpenError(*node, kGenericRead, kShareReadWrite) == 0
                     ? std::optional<std::string>(node->content)
                     : std::nullopt;
  if (!content) {
    SetLastError(2);  // ERROR_FILE_NOT_FOUND
  } else if (Location where = Locate(*content, section, key); where.keyLine) {
    value = Unquoted(where.entry.value);
  }
  if (size == 0) return 0;
  // A value that does not fit is cut to size - 1 bytes.
  std::size_t count = std::min<std::size_t>(value.size(), size - 1);
  std::memcpy(returned, value.data(), count);
  returned[count] = 0;
  return static_cast<DWORD>(count);
}

BOOL WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName) {
  SIM_CHECK(section != nullptr && key != nullptr && value != nullptr);  // deleting is not simulated
  if (IsBareName(fileName) && !Sim::PathExists(Sim::kWindowsFolder)) Sim::AddFolder(Sim::kWindowsFolder);
  std::string path = ProfilePath(fileName), name;
  DWORD error = 0;
  FileNode* folder = FindParent(path, &name, &error);
  if (folder == nullptr) {
    SetLastError(error);
    return 0;
  }
  // Written through a handle for reading and writing that shares both, as Wine does it:
  // a read-only file, a folder of that name, or another program's handle that does not
  // share writing refuses the write.
  FileNode* file = folder->Child(name);
  if (file != nullptr) error = OpenError(*file, kGenericRead | kGenericWrite, kShareReadWrite);
  if (error != 0) {
    SetLastError(error);
    return 0;
  }
  if (file == nullptr) {
    Sim::AddFile(path, WithValue("", section, key, value));
  } else {
    file->content = WithValue(file->content, section, key, value);
    file->lastWrite = Now();
  }
  return 1;
}

}  // namespace Win
