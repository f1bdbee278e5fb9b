// Vorla, clipboard: the addresses of the clipboard's lines opened one after another.
#include "ClipboardURLs.h"

#include <utility>

#include "LightStrList.h"
#include "TinyIni.h"
#include "TinyUtilsBrowser.h"
#include "TinyUtilsClipboard.h"
#include "TinyUtilsText.h"
#include "TinyUtilsUrl.h"
#include "platform/Clipboard.h"

namespace {

constexpr char kHyphen[] = "\x81\x5D";     // "‐"
constexpr char kLongVowel[] = "\x81\x5B";  // "ー"

// The line as its address is searched in: half-width forms, no outer blanks, dashes.
std::string Normalised(const std::string& line) {
  std::string text = TinyUtils::Trim(TinyUtils::ToHalfWidth(line));
  text = TinyUtils::ReplaceAll(std::move(text), kHyphen, "-");
  return TinyUtils::ReplaceAll(std::move(text), kLongVowel, "-");
}

// The line's first address, with the "h" of "ttp:" and "ttps:" restored; empty when none.
std::string AddressIn(const std::string& line) {
  std::int32_t start = 0, length = 0;
  if (!TinyUtils::FindURL(line, start, length)) return {};
  std::string address = line.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
  if (address.starts_with("ttp:") || address.starts_with("ttps:")) address = "h" + address;
  return address;
}

}  // namespace

std::string ClipboardAddressIn(const std::string& line) { return AddressIn(Normalised(line)); }

void ExecuteClipboardURLs(const std::string& settingsFile) {
  if (!TinyIni::ReadBool(settingsFile, "Option", "ExecuteURLInClipboard", false)) return;
  // The clipboard is open only while its text is copied, never while a browser starts.
  std::string text = TinyUtils::GetClipboardText(Win::GetForegroundWindow());
  if (text.empty()) return;
  TLightStrList lines;
  lines.SetText(text);
  const std::int32_t count = lines.Count;
  for (std::int32_t index = 0; index < count; ++index) {
    std::string address = ClipboardAddressIn(lines.Get(index));
    if (address.empty()) continue;
    // Looked up for every address; quoted when it holds a blank, as for list files.
    TinyUtils::RunCommand(TinyUtils::QuoteProgramPath(TinyUtils::GetDefaultBrowserPath()), address);
  }
}
