// Windows only: the contract fixture over the real platform, through <windows.h> itself.
#include "Fixture.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <vector>

#include "win32/TestFolders.h"

namespace Fixture {
namespace {

std::vector<std::string> scratchFolders;

using TestFolders::RemoveTree;

}  // namespace

const char* PlatformName() { return "Windows"; }
bool IsSimulation() { return false; }
void Reset() {}

std::string NewScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + "vorla-contract-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(scratchFolders.size() + 1) + "\\";
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  scratchFolders.push_back(folder);
  return folder;
}

void RemoveScratchFolders() {
  for (const auto& folder : scratchFolders) RemoveTree(folder);
  scratchFolders.clear();
}

void WriteFile(const std::string& path, const std::string& content, Win::DWORD attributes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  SetFileAttributesA(path.c_str(), attributes);
}

void MakeFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

std::string ShortPathOf(const std::string& path) {
  char buffer[MAX_PATH] = {};
  GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  return buffer;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content;
  char buffer[4096];
  DWORD count = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) content.append(buffer, count);
  CloseHandle(file);
  return content;
}

bool IsWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void SetLastWriteTime(const std::string& path, Win::FILETIME time) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  FILETIME lastWrite{time.dwLowDateTime, time.dwHighDateTime};
  SetFileTime(file, nullptr, nullptr, &lastWrite);
  CloseHandle(file);
}

}  // namespace Fixture
