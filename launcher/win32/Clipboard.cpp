// Windows only: the addresses of the clipboard's lines opened one after another.
#include <cstring>

#include "Browser.h"
#include "ClipboardURLs.h"
#include "LightStrList.h"
#include "Shared.h"
#include "Unicode.h"
#include "platform/Clipboard.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"
#include "win32/DefaultBrowser.h"
#include "win32/IniFile.h"
#include "win32/Launcher.h"
#include "win32/Shell.h"
#include "win32/TextMapping.h"

namespace {

// The clipboard's text in the ANSI code page; empty when the clipboard cannot be opened or
// holds no text. On the NT family it is the Unicode text when the clipboard has it, with the
// characters the code page lacks in percent form (the system's own CF_TEXT would give "?"
// or a look-alike for them: "u" for "ü"); elsewhere the CF_TEXT bytes up to the first zero
// byte. The clipboard is open only while its text is copied.
std::string GetClipboardText(Win::HWND owner) {
  std::string text;
  if (!Win::OpenClipboard(owner)) return text;
  Unicode::TAnsiEncoder encode = TinyUtils::UnicodeEncoder();
  Win::HANDLE unicode = encode != nullptr ? Win::GetClipboardData(Win::CF_UNICODETEXT) : nullptr;
  Win::HANDLE data = unicode != nullptr ? unicode : Win::GetClipboardData(Win::CF_TEXT);
  std::u16string unicodeText;
  if (data != nullptr) {
    const auto* bytes = static_cast<const char*>(Win::GlobalLock(data));
    if (bytes != nullptr) {
      // A block need not end in a zero: the copy never runs past the block's size.
      std::size_t size = Win::GlobalSize(data);
      if (unicode != nullptr) {
        unicodeText = Utf16TextOfBlock(reinterpret_cast<const unsigned char*>(bytes), size);
      } else {
        text.assign(bytes, strnlen(bytes, size));
      }
    }
    Win::GlobalUnlock(data);
  }
  Win::CloseClipboard();
  if (unicode != nullptr) text = Unicode::AnsiFromUtf16(unicodeText, encode).Text;
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
