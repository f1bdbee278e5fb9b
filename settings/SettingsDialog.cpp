// The settings dialog: its message handling, its opening state and the apply step.
#include "SettingsDialog.h"

#include "SettingsMain.h"
#include "Shared.h"
#include "TinyIni.h"
#include "TinyShlLnk2.h"
#include "TinyUtilsSystem.h"
#include "TinyUtilsText.h"
#include "VLOptionUtils.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace VLOption {

const char* const SettingsCaption = "Vorla 動作設定";

namespace {

using Shared::kLauncherFileName;
constexpr const char* kLinkName = "Vorla.lnk";
constexpr bool kSendTo = true;  // the shortcut goes to Send To, never to Startup

void SetCheck(Win::HWND dialog, int box, bool checked) {
  Win::SendMessageA(Win::GetDlgItem(dialog, box), Win::BM_SETCHECK,
                    static_cast<Win::WPARAM>(checked ? Win::BST_CHECKED : Win::BST_UNCHECKED), 0);
}

bool IsChecked(Win::HWND dialog, int box) {
  return Win::SendMessageA(Win::GetDlgItem(dialog, box), Win::BM_GETCHECK, 0, 0) == Win::BST_CHECKED;
}

// Without a program folder nothing is written that would point at a relative "Vorla.exe".
void ApplyAssociation(bool checked) {
  bool registered = VLOptionUtils::IsFileTypeRegistered();
  if (!checked && registered) {
    VLOptionUtils::UnregisterFileType();
  } else if (checked && !registered && !ProgramFolder.empty()) {
    VLOptionUtils::RegisterFileType(ProgramFolder + kLauncherFileName);
  }
}

void ApplySendTo(bool checked) {
  if (!checked) {
    TinyShlLnk2::RemoveShellLinks(kLauncherFileName, kSendTo);
  } else if (!ProgramFolder.empty()) {
    TinyShlLnk2::TShellLinkInfo link;
    link.Target = ProgramFolder + kLauncherFileName;
    link.WorkingDirectory = TinyUtils::RemoveTrailingBackslash(ProgramFolder);
    link.IconFile = link.Target;
    link.IconIndex = Shared::kProgramIconIndex;
    link.ShowCommand = Win::SW_SHOWNORMAL;
    TinyShlLnk2::InstallShellLink(kLinkName, link, kSendTo);
  }
}

}  // namespace

Win::INT_PTR VORLA_WINAPI SettingsDialogProc(Win::HWND dialog, Win::UINT message, Win::WPARAM wParam, Win::LPARAM) {
  switch (message) {
    case Win::WM_INITDIALOG:
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

void InitSettingsDialog(Win::HWND dialog) {
  Win::HICON icon = Win::LoadIconA(Win::GetModuleHandleA(nullptr), IDI_MAIN);
  Win::SendMessageA(dialog, Win::WM_SETICON, Win::ICON_BIG, reinterpret_cast<Win::LPARAM>(icon));
  SetCheck(dialog, IDC_ASSOCIATE, VLOptionUtils::IsFileTypeRegistered());
  if (TinyUtils::PlatformId == static_cast<std::int32_t>(Win::VER_PLATFORM_WIN32_NT) && !TinyUtils::IsAdmin()) {
    Win::EnableWindow(Win::GetDlgItem(dialog, IDC_ASSOCIATE), Win::FALSE);
  }
  SetCheck(dialog, IDC_SENDTO, TinyShlLnk2::ShellLinkExists(kLauncherFileName, kSendTo));
  SetCheck(dialog, IDC_CLIPBOARD, TinyIni::ReadBool(SettingsFile, Shared::kOptionSection, Shared::kClipboardOptionKey, false));
}

void ApplySettings(Win::HWND dialog) {
  Win::ShowWindow(dialog, Win::SW_HIDE);
  ApplyAssociation(IsChecked(dialog, IDC_ASSOCIATE));
  ApplySendTo(IsChecked(dialog, IDC_SENDTO));
  TinyIni::WriteBool(SettingsFile, Shared::kOptionSection, Shared::kClipboardOptionKey, IsChecked(dialog, IDC_CLIPBOARD));
  Win::SendMessageA(dialog, Win::WM_CLOSE, 0, 0);
}

}  // namespace VLOption
