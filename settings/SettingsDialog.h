// The settings dialog (template 100): three check boxes, read from the current state when
// the dialog opens and applied on OK; Cancel, Esc and the close box write nothing.
#pragma once

#include "Resource.h"
#include "platform/WinTypes.h"

namespace VLOption {

// The caption of the dialog and of the question before renaming; a second copy of the
// program looks for a window of this name.
extern const char* const SettingsCaption;

// The dialog procedure given to DialogBoxParamA; answers whether it handled the message.
Win::INT_PTR VORLA_WINAPI SettingsDialogProc(Win::HWND dialog, Win::UINT message, Win::WPARAM wParam,
                                             Win::LPARAM lParam);
// Sets the icon and the three check states; the association box is disabled for a user
// without administrator rights on the NT family.
void InitSettingsDialog(Win::HWND dialog);
// Hides the dialog, writes what the boxes say, and closes the dialog.
void ApplySettings(Win::HWND dialog);

}  // namespace VLOption
