// VLOptionUtils: the ".vlf" file type written, tested and removed through TinyReg.
#include "VLOptionUtils.h"

#include "Shared.h"
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
  return TinyReg::RegKeyExists(Win::HKEY_CLASSES_ROOT, ".vlf\\") &&
         TinyReg::RegKeyExists(Win::HKEY_CLASSES_ROOT, "VorlaFile\\");
}

void RegisterFileType(const std::string& launcherPath) {
  const std::string quoted = "\"" + launcherPath + "\"";
  TinyReg::WriteRegString(Win::HKEY_CLASSES_ROOT, ".vlf\\", "VorlaFile");
  TinyReg::WriteRegString(Win::HKEY_CLASSES_ROOT, "VorlaFile\\", "Vorlaファイル");
  TinyReg::WriteRegString(Win::HKEY_CLASSES_ROOT, "VorlaFile\\DefaultIcon\\",
                          quoted + "," + std::to_string(Shared::kListFileIconIndex));
  TinyReg::WriteRegString(Win::HKEY_CLASSES_ROOT, "VorlaFile\\shell\\open\\command\\", quoted + " \"%1\"");
  NotifyAssociationChanged();
}

bool UnregisterFileType() {
  bool removed = TinyReg::DeleteRegKey(Win::HKEY_CLASSES_ROOT, ".vlf\\");
  if (removed) removed = TinyReg::DeleteRegKey(Win::HKEY_CLASSES_ROOT, "VorlaFile\\");
  NotifyAssociationChanged();
  return removed;
}

}  // namespace VLOptionUtils
