// The settings dialog (IDD_SETTINGS): three check boxes, read from the current state when
// the dialog opens and applied on OK; Cancel, Esc and the close box write nothing. Its
// decisions are made here (SettingsDialog.cpp); win32/SettingsDialog.cpp is the dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace VLOption {

// The caption of the dialog and of the question before renaming; a second copy of the
// program looks for a window of this name.
inline constexpr const char* SettingsCaption = "Vorla 動作設定";

// What the dialog works with, handed to it by the main routine: the program's folder
// (ending in a backslash; empty when it cannot be had) and its settings file.
struct TSettingsContext {
  std::string ProgramFolder;
  std::string SettingsFile;
};

// What OK does to the association or to the launcher's shortcut in Send To.
enum class TChange { None, Add, Remove };
struct TApplyPlan {
  TChange Association = TChange::None;
  TChange SendTo = TChange::None;
};

// The association box is disabled for an NT-family user without administrator rights; the
// 95 family has none to test.
bool AssociationBoxEnabled(std::int32_t platformId, bool isAdmin);
// OK changes the association only where its box disagrees with the registration, and
// always puts the shortcut in or takes every one out; nothing is made that would point at
// a relative "Vorla.exe" (no program folder).
TApplyPlan PlanApply(bool associateChecked, bool sendToChecked, bool registered, const std::string& programFolder);

// A setting OK could not store: which one, the system's error number and its text (empty
// when the system has none).
enum class TSetting { Association, SendTo, ClipboardOption };
struct TSaveFailure {
  TSetting Setting = TSetting::Association;
  Win::DWORD Error = 0;
  std::string Reason;
};
// The warning that names each setting not saved, with the reason and the fix; empty when
// every setting was saved.
std::string SaveFailureText(const std::vector<TSaveFailure>& failures);

// Windows only. The dialog procedure given to DialogBoxParamA, whose parameter is the
// address of a TSettingsContext that outlives the dialog; answers whether it handled the
// message.
Win::INT_PTR VORLA_WINAPI SettingsDialogProc(Win::HWND dialog, Win::UINT message, Win::WPARAM wParam,
                                             Win::LPARAM lParam);

}  // namespace VLOption
