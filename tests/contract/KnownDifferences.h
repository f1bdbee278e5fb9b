// Where Wine, which stands in for Windows when the contract tests run as Windows programs,
// is known to answer differently from Windows on something the programs rely on. The
// simulation keeps to Windows. Each difference is named here once, with its reason; a test
// that meets one expects each platform's own answer, so a difference that goes away fails
// its test and its entry is removed. docs/ARCHITECTURE.md lists where the simulation
// itself departs from Windows.
#pragma once

#include "Fixture.h"

namespace KnownDifferences {

struct Difference {
  const char* what;  // printed with the checks that meet it
};

// An MS-DOS date counts the years from 1980 in seven bits, so Windows refuses to convert a
// time after 2107; Wine converts it and the year wraps round to 1980.
inline constexpr Difference kDosDateAfter2107{"Wine converts file times after 2107 to MS-DOS dates"};

// ExpandEnvironmentStringsA reports the size it needs in bytes on Windows; Wine's ANSI call
// counts characters, so a double-byte character counts once.
inline constexpr Difference kExpansionCountsCharacters{"Wine counts the characters of an ANSI expansion, not its bytes"};
// When a double-byte character does not fit into the buffer of GetPrivateProfileStringA,
// Wine counts the byte before the terminating zero but leaves it unwritten.
inline constexpr Difference kProfileCutCharacter{"Wine leaves the byte of a cut double-byte character unwritten"};
// Windows' WritePrivateProfileStringA changes or adds one line and keeps every other byte;
// Wine rewrites the whole file: blank lines and the blanks around names and values go, every
// line ends in CR LF.
inline constexpr Difference kProfileRewrite{"Wine rewrites the whole profile file on a write"};
// Windows keeps a CF_TEXT block as it was put; Wine writes a zero byte over its last byte,
// so no block without a zero byte can be made there.
inline constexpr Difference kTextBlockEndsInZero{"Wine ends every CF_TEXT block with a zero byte"};

// Japanese Windows words the system's texts for error numbers in its own way; Wine's
// Japanese translation words several of them otherwise.
inline constexpr Difference kSystemMessageTexts{"Wine words the system's Japanese error texts otherwise"};

// The answer the platform under test gives: Wine's own where Wine is known to differ.
template <typename T>
T Expected(const Difference&, T windowsAnswer, T wineAnswer) {
  return Fixture::IsWine() ? wineAnswer : windowsAnswer;
}

}  // namespace KnownDifferences
