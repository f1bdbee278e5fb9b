// Windows only: TinyUtils, the default browser from the registry.
#include "win32/DefaultBrowser.h"

#include "Browser.h"
#include "platform/WinConstants.h"
#include "win32/Files.h"
#include "win32/Registry.h"

namespace TinyUtils {

namespace {

// The registry as it is now; it is only read.
class TSystemRegistry final : public TProtocolRegistry {
 public:
  std::string UserChoice(const std::string& protocol) override {
    return ReadRegString(Win::HKEY_CURRENT_USER,
                         "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\" + protocol +
                             "\\UserChoice",
                         "ProgId");
  }
  std::string ClassValue(const std::string& keyPath) override {
    return ReadRegString(Win::HKEY_CLASSES_ROOT, keyPath, "");
  }
  std::string ProgramOfCommand(const std::string& keyPath) override {
    return GetExePathFromCommand(Win::HKEY_CLASSES_ROOT, keyPath);
  }
};

}  // namespace

std::string GetExePathFromCommand(Win::HKEY root, const std::string& keyPath) {
  std::string path = ExePathOfCommand(ReadRegString(root, keyPath, ""));
  // Where the long form cannot be had (no GetLongPathNameA), the path is taken as it is.
  std::string longPath = GetLongPath(path);
  if (!longPath.empty()) path = longPath;
  return FileExists(path) ? path : std::string();
}

std::string GetProtocolProgramPath(const std::string& protocol) {
  TSystemRegistry registry;
  return ProtocolProgramPath(protocol, registry);
}

std::string GetDefaultBrowserPath() { return GetProtocolProgramPath("http"); }

}  // namespace TinyUtils
