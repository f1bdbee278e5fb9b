// Simulation only: the environment of the simulated process and ExpandEnvironmentStringsA.
#include <cstring>
#include <map>

#include "Machine.h"
#include "SimEnvironment.h"
#include "platform/Process.h"
#include "platform/ProgramSearch.h"

namespace Sim {
namespace Detail {
namespace {

struct EnvironmentState {
  std::map<std::string, std::string> variables;  // by upper-cased name
  bool countsCharacters = false;
};
EnvironmentState state;

void ResetEnvironment() {
  state = EnvironmentState{};
  state.variables["SYSTEMROOT"] = "C:\\WINDOWS";
  state.variables["WINDIR"] = "C:\\WINDOWS";
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetEnvironment);

// Every %NAME% of a defined variable replaced by its value. A reference to an undefined
// name stays whole, and scanning goes on after its closing "%"; a "%" without a closing
// one stays as it is.
std::string Expand(const std::string& source) {
  std::string result;
  std::size_t i = 0;
  while (i < source.size()) {
    std::size_t open = source.find('%', i);
    std::size_t close = open == std::string::npos ? std::string::npos : source.find('%', open + 1);
    if (close == std::string::npos) break;
    result.append(source, i, open - i);
    auto found = state.variables.find(AsciiUpper(source.substr(open + 1, close - open - 1)));
    if (found != state.variables.end() && close > open + 1) {
      result += found->second;
    } else {
      result.append(source, open, close - open + 1);
    }
    i = close + 1;
  }
  result.append(source, std::min(i, source.size()));
  return result;
}

// The length of text up to (not beyond) limit bytes, cut to whole characters.
std::size_t WholeCharacters(const std::string& text, std::size_t limit) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t next = i + (IsAnsiLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1);
    if (next > limit) break;
    i = next;
  }
  return i;
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i = i + (IsAnsiLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1)) {
    ++count;
  }
  return count;
}

}  // namespace
}  // namespace Detail

void SetEnvironmentVariable(const std::string& name, const std::string& value) {
  Detail::state.variables[Detail::AsciiUpper(name)] = value;
}
void SetExpansionCountsCharacters(bool countsCharacters) { Detail::state.countsCharacters = countsCharacters; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

DWORD ExpandEnvironmentStringsA(const char* source, char* destination, DWORD size) {
  std::string text = ThroughUnicode(Expand(source));  // the expansion is done in Unicode
  auto needed = static_cast<DWORD>((state.countsCharacters ? CharacterCount(text) : text.size()) + 1);
  if (destination == nullptr || size == 0) return needed;
  // What fits is written: a cut text, zero-ended when there is room (the content of too
  // small a buffer is unspecified). Counting characters, Wine fills the buffer to its end.
  std::size_t length = WholeCharacters(text, state.countsCharacters ? size : size - 1);
  std::memcpy(destination, text.data(), length);
  if (length < size) destination[length] = 0;
  if (needed > size) SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
  return needed;
}

DWORD GetEnvironmentVariableA(const char* name, char* buffer, DWORD size) {
  auto found = state.variables.find(AsciiUpper(name));
  if (found == state.variables.end()) {
    SetLastError(203);  // ERROR_ENVVAR_NOT_FOUND
    return 0;
  }
  return CopyOut(found->second, buffer, size);
}

}  // namespace Win
