// The settings dialog's decisions: the association box's state and the apply step.
#include "SettingsDialog.h"

#include "platform/WinConstants.h"

namespace VLOption {

bool AssociationBoxEnabled(std::int32_t platformId, bool isAdmin) {
  return platformId != static_cast<std::int32_t>(Win::VER_PLATFORM_WIN32_NT) || isAdmin;
}

TApplyPlan PlanApply(bool associateChecked, bool sendToChecked, bool registered, const std::string& programFolder) {
  bool haveFolder = !programFolder.empty();
  TApplyPlan plan;
  if (!associateChecked && registered) {
    plan.Association = TChange::Remove;
  } else if (associateChecked && !registered && haveFolder) {
    plan.Association = TChange::Add;
  }
  if (!sendToChecked) {
    plan.SendTo = TChange::Remove;
  } else if (haveFolder) {
    plan.SendTo = TChange::Add;
  }
  return plan;
}

}  // namespace VLOption
