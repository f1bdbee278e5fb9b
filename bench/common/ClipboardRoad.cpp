// The clipboard execution's search for the address of one line.
#include "ClipboardRoad.h"

#include <cstdint>
#include <utility>

#include "TinyUtilsText.h"
#include "TinyUtilsUrl.h"

namespace ClipboardRoad {

std::string AddressIn(const std::string& line) {
  std::string text = TinyUtils::Trim(TinyUtils::ToHalfWidth(line));
  text = TinyUtils::ReplaceAll(std::move(text), "‐", "-");
  text = TinyUtils::ReplaceAll(std::move(text), "ー", "-");
  std::int32_t start = 0, length = 0;
  if (!TinyUtils::FindURL(text, start, length)) return {};
  std::string address = text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
  if (address.starts_with("ttp:") || address.starts_with("ttps:")) address = "h" + address;
  return address;
}

}  // namespace ClipboardRoad
