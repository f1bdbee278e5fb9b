// The settings dialog's decisions: the association box's state, the apply step and the
// warning about settings it could not store.
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

std::string SaveFailureText(const std::vector<TSaveFailure>& failures) {
  if (failures.empty()) return {};
  // Each setting by its box's label, and what lets it be stored.
  static constexpr struct {
    const char* name;
    const char* fix;
  } kSettings[] = {
      {"ファイルの関連付け", "VLOption.exe を右クリックし、「管理者として実行」で開いて設定してください。"},
      {"\"送る\"に登録", "\"送る\" フォルダーに書き込めるか確かめてください。"},
      {"クリップボード内のURLを実行 (Vorla.ini)",
       "Vorla のフォルダーを書き込みのできる場所 (Program Files の外など) に移してください。"},
  };
  std::string text = "次の設定を保存できませんでした。\n";
  for (const TSaveFailure& failure : failures) {
    const auto& setting = kSettings[static_cast<int>(failure.Setting)];
    text += std::string("\n・") + setting.name + ": " + (failure.Reason.empty() ? "" : failure.Reason + " ") +
            "(エラー " + std::to_string(failure.Error) + ")\n  " + setting.fix + "\n";
  }
  return text;
}

}  // namespace VLOption
