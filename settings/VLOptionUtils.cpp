// VLOptionUtils: the registry values of the ".vlf" file type.
#include "VLOptionUtils.h"

#include "Shared.h"
#include "platform/WinConstants.h"

namespace VLOptionUtils {
namespace {

// A REG_SZ value: the text and one zero byte.
TRegistryValue Text(const std::string& key, const std::string& text) {
  return {key, "", Win::REG_SZ, text + '\0'};
}

}  // namespace

std::vector<TRegistryValue> FileTypeValues(const std::string& launcherPath) {
  const std::string quoted = "\"" + launcherPath + "\"";
  return {Text(".vlf", "VorlaFile"), Text("VorlaFile", "Vorlaファイル"),
          Text("VorlaFile\\DefaultIcon", quoted + "," + std::to_string(Shared::kListFileIconIndex)),
          Text("VorlaFile\\shell\\open\\command", quoted + " \"%1\"")};
}

}  // namespace VLOptionUtils
