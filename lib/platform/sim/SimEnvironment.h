// Simulation only: the controls of the environment for host tests. Reset leaves
// SystemRoot and windir set to C:\WINDOWS. Names match without regard to ASCII case.
#pragma once

#include <string>

namespace Sim {

void SetEnvironmentVariable(const std::string& name, const std::string& value);
// ExpandEnvironmentStringsA counts characters instead of bytes, as Wine's does: a
// double-byte character then counts once, and a buffer that the count says is large
// enough may be too small for the bytes (they are cut to whole characters, unterminated).
void SetExpansionCountsCharacters(bool countsCharacters);

}  // namespace Sim
