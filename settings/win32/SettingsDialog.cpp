// Windows only: the settings dialog's procedure. It gathers the state the boxes show,
// and on OK carries out the plan of SettingsDialog.cpp.
#include "SettingsDialog.h"

#include "Resource.h"
#include "Shared.h"
#include "win32/Files.h"
#include "win32/IniFile.h"
#include "TinyShlLnk2.h"
#include "TinyUtilsSystem.h"
#include "Startup.h"
#include "VLOptionUtils.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace VLOption {
namespace {

using Shared::kClipboardOptionKey;
using Shared::kLauncherFileName;
using Shared::kOptionSection;

// The context from DialogBoxParamA's parameter, for the one dialog the program shows.
const TSettingsContext* Context = nullptr;

void SetCheck(Win::HWND dialog, int box, bool checked) {
  Win::SendMessageA(Win::GetDlgItem(dialog, box), Win::BM_SETCHECK,
                    static_cast<Win::WPARAM>(checked ? Win::BST_CHECKED : Win::BST_UNCHECKED), 0);
}

bool IsChecked(Win::HWND dialog, int box) {
  return Win::SendMessageA(Win::GetDlgItem(dialog, box), Win::BM_GETCHECK, 0, 0) == Win::BST_CHECKED;
}

// Sets the icon and the three boxes.
void InitSettingsDialog(Win::HWND dialog) {
  Win::HICON icon = Win::LoadIconA(Win::GetModuleHandleA(nullptr), IDI_MAIN);
  Win::SendMessageA(dialog, Win::WM_SETICON, Win::ICON_BIG, reinterpret_cast<Win::LPARAM>(icon));
  SetCheck(dialog, IDC_ASSOCIATE, VLOptionUtils::IsFileTypeRegistered());
  if (!AssociationBoxEnabled(TinyUtils::PlatformId, TinyUtils::IsAdmin())) {
    Win::EnableWindow(Win::GetDlgItem(dialog, IDC_ASSOCIATE), Win::FALSE);
  }
  SetCheck(dialog, IDC_SENDTO, TinyShlLnk2::ShellLinkExists(kLauncherFileName));
  SetCheck(dialog, IDC_CLIPBOARD, TinyIni::ReadBool(Context->SettingsFile, kOptionSection, kClipboardOptionKey, false));
}

// Adds the setting to failures when its step answered an error number.
void Note(std::vector<TSaveFailure>& failures, TSetting setting, Win::DWORD error) {
  if (error != Win::ERROR_SUCCESS) failures.push_back({setting, error, TinyUtils::ErrorReason(error)});
}

// Hides the dialog, writes what the boxes say, warns of each setting that could not be
// stored, and closes the dialog.
void ApplySettings(Win::HWND dialog) {
  Win::ShowWindow(dialog, Win::SW_HIDE);
  const std::string& folder = Context->ProgramFolder;
  TApplyPlan plan = PlanApply(IsChecked(dialog, IDC_ASSOCIATE), IsChecked(dialog, IDC_SENDTO),
                              VLOptionUtils::IsFileTypeRegistered(), folder);
  std::vector<TSaveFailure> failures;
  if (plan.Association == TChange::Add) {
    Note(failures, TSetting::Association, VLOptionUtils::RegisterFileType(folder + kLauncherFileName));
  }
  if (plan.Association == TChange::Remove) Note(failures, TSetting::Association, VLOptionUtils::UnregisterFileType());
  if (plan.SendTo == TChange::Add) {
    Note(failures, TSetting::SendTo,
         TinyShlLnk2::InstallShellLink(TinyShlLnk2::kLinkName, TinyShlLnk2::LauncherShortcut(folder)));
  }
  if (plan.SendTo == TChange::Remove) {
    Note(failures, TSetting::SendTo, TinyShlLnk2::RemoveShellLinks(kLauncherFileName));
  }
  bool option = IsChecked(dialog, IDC_CLIPBOARD);
  if (!TinyIni::WriteBool(Context->SettingsFile, kOptionSection, kClipboardOptionKey, option)) {
    Note(failures, TSetting::ClipboardOption, Win::GetLastError());
  }
  std::string warning = SaveFailureText(failures);
  if (!warning.empty()) Win::MessageBoxA(dialog, warning.c_str(), SettingsCaption, Win::MB_OK | Win::MB_ICONWARNING);
  Win::SendMessageA(dialog, Win::WM_CLOSE, 0, 0);
}

}  // namespace

Win::INT_PTR VORLA_WINAPI SettingsDialogProc(Win::HWND dialog, Win::UINT message, Win::WPARAM wParam,
                                             Win::LPARAM lParam) {
  switch (message) {
    case Win::WM_INITDIALOG:
      Context = reinterpret_cast<const TSettingsContext*>(lParam);
      Win::SetWindowTextA(dialog, SettingsCaption);
      TinyUtils::EnableDropShadow(dialog);
      InitSettingsDialog(dialog);
      return Win::TRUE;
    case Win::WM_COMMAND:
      if ((wParam >> 16 & 0xFFFF) != Win::BN_CLICKED) return Win::TRUE;
      if ((wParam & 0xFFFF) == Win::IDOK) {
        ApplySettings(dialog);
      } else if ((wParam & 0xFFFF) == Win::IDCANCEL) {
        Win::SendMessageA(dialog, Win::WM_CLOSE, 0, 0);
      }
      return Win::TRUE;
    case Win::WM_CLOSE:
      Win::EndDialog(dialog, 0);
      return Win::TRUE;
    case Win::WM_DESTROY:
      Win::PostQuitMessage(0);
      return Win::TRUE;
    default:
      return Win::FALSE;
  }
}

}  // namespace VLOption
