// VLCheck: the report of a check as the console shows it: Japanese text in code page 932,
// one line per list line with its number, the warnings under it, a summary per file.
// Lines end with CR LF.
#pragma once

#include <string>

#include "ListCheck.h"

std::string FormatFileReport(const TFileReport& report);
// What VLCheck does and how to call it, shown when no file is named.
std::string UsageText();
// The line asking for a key before the console closes.
std::string KeyPromptText();
// Text safe to show in a console: control bytes in caret notation (^Z for byte 26), a
// lead byte without a second byte as "?".
std::string Printable(const std::string& text);
