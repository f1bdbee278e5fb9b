// TinyUtils, addresses, for the launcher's clipboard road: the first web address in a line
// of text, and the replacement of every occurrence of a pattern that never takes the second
// byte of a double-byte character for the start of a match. Positions are 1-based byte indexes, lengths byte counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace TinyUtils {

// Finds the leftmost address: a prefix ("http:", "https:", "ttp:", "ttps:" or "www.",
// lowercase only, at any byte position) and the URLChars that follow it, the 78 single-byte
// characters # % & + , - . / 0-9 : ; = ? A-Z [ ] _ a-z ~. True with start
// and length of the address; false with both 0 when there is none.
bool FindURL(std::string_view text, std::int32_t& start, std::int32_t& length);

// text with every non-overlapping occurrence of pattern, from the left, replaced by
// replacement; text itself when pattern is empty or does not occur (a text handed over
// is then handed back without a copy).
std::string ReplaceAll(std::string text, const std::string& pattern, const std::string& replacement);

}  // namespace TinyUtils
