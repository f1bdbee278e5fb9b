// Windows only: the addresses of the clipboard's lines opened one after another.
#include <cstring>

#include "Browser.h"
#include "ClipboardURLs.h"
#include "LightStrList.h"
#include "Shared.h"
#include "platform/Clipboard.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"
#include "win32/DefaultBrowser.h"
#include "win32/IniFile.h"
#include "win32/Launcher.h"
#include "win32/Shell.h"
#include "win32/TextMapping.h"

namespace {

// The clipboard's CF_TEXT bytes up to the first zero byte (never past the end of the
// clipboard's block); empty when the clipboard cannot be opened or holds no text. The
// clipboard is open only while its text is copied.
std::string GetClipboardText(Win::HWND owner) {
  std::string text;
  if (!Win::OpenClipboard(owner)) return text;
  Win::HANDLE data = Win::GetClipboardData(Win::CF_TEXT);
  if (data != nullptr) {
    const auto* bytes = static_cast<const char*>(Win::GlobalLock(data));
    // A block need not end in a zero byte: the copy never runs past the block's size.
    if (bytes != nullptr) text.assign(bytes, strnlen(bytes, Win::GlobalSize(data)));
    Win::GlobalUnlock(data);
  }
  Win::CloseClipboard();
  return text;
}

}  // namespace

void ExecuteClipboardURLs(const std::string& settingsFile) {
  if (!TinyIni::ReadBool(settingsFile, Shared::kOptionSection, Shared::kClipboardOptionKey, false)) return;
  std::string text = GetClipboardText(Win::GetForegroundWindow());
  if (text.empty()) return;
  TLightStrList lines;
  lines.SetText(text);
  const std::int32_t count = lines.Count;
  for (std::int32_t index = 0; index < count; ++index) {
    std::string address = ClipboardAddressIn(TinyUtils::ToHalfWidth(lines.Get(index)));
    if (address.empty()) continue;
    // Looked up for every address; quoted when it holds a blank, as for list files.
    TinyUtils::RunCommand(TinyUtils::QuoteProgramPath(TinyUtils::GetDefaultBrowserPath()), address);
  }
}
