// Windows only. VLOptionUtils: the ".vlf" file type written, tested and removed through
// TinyReg.
#include "VLOptionUtils.h"

#include "TinyReg.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

namespace VLOptionUtils {
namespace {

void NotifyAssociationChanged() {
  Win::SHChangeNotify(Win::SHCNE_ASSOCCHANGED, Win::SHCNF_IDLIST | Win::SHCNF_FLUSH, nullptr, nullptr);
}

}  // namespace

bool IsFileTypeRegistered() {
  for (const char* key : kFileTypeKeys) {
    if (!TinyReg::RegKeyExists(Win::HKEY_CLASSES_ROOT, key)) return false;
  }
  return true;
}

void RegisterFileType(const std::string& launcherPath) {
  for (const TRegistryValue& value : FileTypeValues(launcherPath)) {
    TinyReg::WriteRegValue(Win::HKEY_CLASSES_ROOT, value.Key, value.Name, value.Type, value.Data);
  }
  NotifyAssociationChanged();
}

void UnregisterFileType() {
  for (const char* key : kFileTypeKeys) {
    if (!TinyReg::DeleteRegKey(Win::HKEY_CLASSES_ROOT, key)) break;
  }
  NotifyAssociationChanged();
}

}  // namespace VLOptionUtils
