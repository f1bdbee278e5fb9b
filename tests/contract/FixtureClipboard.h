// The contract fixture for profile files and the clipboard: state set up on the platform
// under test by its own means (the simulation's controls, or Win32 itself under Wine).
#pragma once

#include <string>

namespace Fixture {

// The folder where the profile functions look for a file name without a folder.
std::string WindowsFolder();
// Removes a file outside the scratch folders (one written to the Windows folder).
void RemoveFile(const std::string& path);

// The clipboard's contents replaced by one CF_TEXT block that holds exactly bytes.
void PutClipboardBlock(const std::string& bytes);
// Only a picture (a bitmap), no text.
void PutClipboardPicture();
void EmptyClipboard();
// A window of another thread opens the clipboard and keeps it open until ReleaseClipboard.
void HoldClipboard();
void ReleaseClipboard();

}  // namespace Fixture
