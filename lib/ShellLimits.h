// The longest texts the launcher hands to the platform, in characters as the platform's
// Unicode calls count them (UTF-16 units, one for each double-byte character): a longer
// command line is not started, a longer text not handed to the shell. The checker reports
// the lines these limits hold back.
#pragma once

#include <cstddef>

namespace TinyUtils {

// Windows refuses a command line of more than 32,766 characters (and its zero); Wine would
// start the program with the line cut short.
inline constexpr std::size_t kLongestCommandLine = 32766;
// No document path or address that the shell opens is longer: an address has at most
// 2,083 characters (INTERNET_MAX_URL_LENGTH), a path far fewer.
inline constexpr std::size_t kLongestShellText = 2083;

}  // namespace TinyUtils
