// The contract fixture's part for the launcher's platform calls: environment variables,
// registry values, files held open by another handle, and programs to start. Each platform
// sets them up by its own means.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace Fixture {

void SetEnvironment(const std::string& name, const std::string& value);

// A registry key of the tests' own under HKEY_CURRENT_USER; RemoveTestKey deletes it.
extern const char* const kTestKey;
void SetTestValue(const std::string& valueName, Win::DWORD type, const std::string& data);
void RemoveTestKey();

// Opens the file through another handle, as another program would; ReleaseFile closes it.
Win::HANDLE HoldFile(const std::string& path, Win::DWORD access, Win::DWORD shareMode);
void ReleaseFile(Win::HANDLE file);

// A window program reaches input idle and ends a moment later; a console program never
// reaches input idle and ends at once.
enum class ProgramKind { Window, Console };
void InstallProgram(const std::string& path, ProgramKind kind);
// The file a started process runs.
std::string StartedProgram(Win::HANDLE process);
// Waits until the started process has ended (its file may then be removed).
void AwaitEnd(Win::HANDLE process);

}  // namespace Fixture
