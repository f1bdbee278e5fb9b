// The contract tests' fixture: sets up state on the platform under test (the simulation on
// the host, the real one under Wine) by that platform's own means, never through the
// boundary being tested.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace Fixture {

// "simulation" or "Windows"; printed by the test program, so the log shows which ran.
const char* PlatformName();
bool IsSimulation();
// Before each test: the simulation is reset; a real platform keeps its state.
void Reset();

// A new, empty folder of the test's own, ending in a backslash; removed with its
// contents by RemoveScratchFolders at the end of the test.
std::string NewScratchFolder();
void RemoveScratchFolders();

void WriteFile(const std::string& path, const std::string& content, Win::DWORD attributes = 0x20);
void MakeFolder(const std::string& path);
// The 8.3 form of an existing path, as the platform made it up.
std::string ShortPathOf(const std::string& path);
bool Exists(const std::string& path);
std::string ReadFile(const std::string& path);

// --- Text, files and searches ---
// Whether the platform under test is Wine standing in for Windows (see KnownDifferences.h).
bool IsWine();
void SetLastWriteTime(const std::string& path, Win::FILETIME time);

}  // namespace Fixture
