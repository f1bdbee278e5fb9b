// The settings program's extension switch.
#include "SettingsMain.h"

#include "Paths.h"
#include "Text.h"

namespace VLOption {

std::string SwitchedName(const std::string& file) {
  // No character but an ASCII letter lowers to a letter of ".txt" or ".vlf", so ASCII
  // lowering decides as the platform's CharLowerBuffA would.
  std::string extension = TinyUtils::AsciiLowerCase(TinyUtils::ExtractExtension(file));
  if (extension == ".txt") return TinyUtils::ChangeExtension(file, ".vlf");
  if (extension == ".vlf") return TinyUtils::ChangeExtension(file, ".txt");
  return {};
}

}  // namespace VLOption
