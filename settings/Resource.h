// The settings program's resource identifiers, shared by VLOption.rc and the code.
#pragma once

#define IDD_SETTINGS 100
#define IDC_FRAME 1000
#define IDC_ASSOCIATE 1001  // ".vlf" opens with the launcher
#define IDC_SENDTO 1002     // the launcher's shortcut in Send To
#define IDC_CLIPBOARD 1003  // the clipboard option of Vorla.ini
#define IDI_MAIN "MAINICON"
