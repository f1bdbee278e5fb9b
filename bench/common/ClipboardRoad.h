// The clipboard execution's search for the address of one line, made of the same library
// calls in the same order, for the benchmarks to time and the comparison to print.
#pragma once

#include <string>

namespace ClipboardRoad {

// The line in half-width forms, trimmed, with "‐" and then "ー" replaced by "-"; its
// first address, with the "h" of "ttp:" and "ttps:" restored. Empty when there is none.
std::string AddressIn(const std::string& line);

}  // namespace ClipboardRoad
