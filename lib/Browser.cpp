// TinyUtils, browser: the texts of program paths and the way to a protocol's program.
#include "Browser.h"

#include "Text.h"

namespace TinyUtils {

namespace {

std::string CommandKey(const std::string& className, const std::string& verb) {
  return className + "\\shell\\" + verb + "\\command";
}

}  // namespace

std::string ExePathOfCommand(const std::string& command) {
  // 1-based position of the first ".exe", found in a lower-cased copy of the same length.
  // ASCII lowering finds what CharLowerBuffA finds: no double-byte character lowers to
  // ASCII, and the bytes of ".exe" cannot hold the second byte of one.
  std::size_t pos = AsciiLowerCase(command).find(".exe") + 1;
  if (pos > 0 && command[0] == '"') return command.substr(1, pos + 2);  // after the opening quote to the end of ".exe"
  if (pos > 0) return command.substr(0, pos + 3);
  return command;
}

std::string ProtocolProgramPath(const std::string& protocol, TProtocolRegistry& registry) {
  std::string choice = registry.UserChoice(protocol);
  if (!choice.empty()) {
    std::string verb = registry.ClassValue(choice + "\\shell");
    std::string path = registry.ProgramOfCommand(CommandKey(choice, verb.empty() ? "open" : verb));
    if (!path.empty()) return path;
  }
  std::string verb = registry.ClassValue(protocol + "\\shell");
  std::string path = verb.empty() ? std::string() : registry.ProgramOfCommand(CommandKey(protocol, verb));
  return path.empty() ? registry.ProgramOfCommand(CommandKey(protocol, "open")) : path;
}

std::string QuoteProgramPath(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

}  // namespace TinyUtils
