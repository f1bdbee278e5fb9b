// TinyUtils, browser: the program path cut out of a registered command, the way through the
// registry to a protocol's program, and the program path as the first token of a command
// line. The registry is read in win32/DefaultBrowser.h.
#pragma once

#include <string>

namespace TinyUtils {

// The executable a registered command names: up to the end of its first ".exe" (in any
// letter case), without the opening quote of a quoted path; the whole command without ".exe".
std::string ExePathOfCommand(const std::string& command);

// What the registry answers on the way to a protocol's program.
class TProtocolRegistry {
 public:
  // The ProgId the user chose for the protocol (its "UserChoice" under the current user's
  // URL associations); empty when there is none.
  virtual std::string UserChoice(const std::string& protocol) = 0;
  // The default value of a key under HKEY_CLASSES_ROOT; empty when there is none.
  virtual std::string ClassValue(const std::string& keyPath) = 0;
  // The existing program that the command in the default value of a key under
  // HKEY_CLASSES_ROOT names (GetExePathFromCommand); empty when there is none.
  virtual std::string ProgramOfCommand(const std::string& keyPath) = 0;

 protected:
  ~TProtocolRegistry() = default;
};

// The program that opens a protocol's addresses: that of the class the user chose, with
// its default verb or else "open"; when that gives none (no choice, no command, as for a
// packaged app that registers only "DelegateExecute", or no such file), that of the
// protocol's own class, with its default verb and then "open". Empty when none is found.
std::string ProtocolProgramPath(const std::string& protocol, TProtocolRegistry& registry);

// The program path as the first token of a command line: in double quotes when it holds a
// blank, so that no program named by a prefix of it (C:\Program.exe) is started instead.
std::string QuoteProgramPath(const std::string& path);

}  // namespace TinyUtils
