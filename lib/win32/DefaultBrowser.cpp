// Windows only: TinyUtils, the default browser from the registry.
#include "win32/DefaultBrowser.h"

#include "Browser.h"
#include "platform/WinConstants.h"
#include "win32/Files.h"
#include "win32/Registry.h"

namespace TinyUtils {

std::string GetExePathFromCommand(Win::HKEY root, const std::string& keyPath) {
  std::string path = ExePathOfCommand(ReadRegString(root, keyPath, ""));
  // Where the long form cannot be had (no GetLongPathNameA), the path is taken as it is.
  std::string longPath = GetLongPath(path);
  if (!longPath.empty()) path = longPath;
  return FileExists(path) ? path : std::string();
}

std::string GetProtocolProgramPath(const std::string& protocol) {
  std::string result;
  std::string verb = ReadRegString(Win::HKEY_CLASSES_ROOT, protocol + "\\shell", "");
  if (!verb.empty()) {
    result = GetExePathFromCommand(Win::HKEY_CLASSES_ROOT, protocol + "\\shell\\" + verb + "\\command");
  }
  if (result.empty()) result = GetExePathFromCommand(Win::HKEY_CLASSES_ROOT, protocol + "\\shell\\open\\command");
  return result;
}

std::string GetDefaultBrowserPath() { return GetProtocolProgramPath("http"); }

}  // namespace TinyUtils
