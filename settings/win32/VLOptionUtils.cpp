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

Win::DWORD RegisterFileType(const std::string& launcherPath) {
  Win::DWORD firstError = Win::ERROR_SUCCESS;
  for (const TRegistryValue& value : FileTypeValues(launcherPath)) {
    Win::DWORD error = TinyReg::WriteRegValue(Win::HKEY_CLASSES_ROOT, value.Key, value.Name, value.Type, value.Data);
    if (firstError == Win::ERROR_SUCCESS) firstError = error;
  }
  NotifyAssociationChanged();
  return firstError;
}

Win::DWORD UnregisterFileType() {
  Win::DWORD error = TinyReg::DeleteRegKey(Win::HKEY_CLASSES_ROOT, kFileTypeKeys[0]);
  if (error == Win::ERROR_SUCCESS) TinyReg::DeleteRegKey(Win::HKEY_CLASSES_ROOT, kFileTypeKeys[1]);
  NotifyAssociationChanged();
  return error;
}

}  // namespace VLOptionUtils
