// ReplaceAll on the simulation and on Windows: the double-byte model and CompareStringA
// decide which matches count.
#include <gtest/gtest.h>

#include "TinyUtilsUrl.h"

namespace {

TEST(ReplaceAllContract, ReplacesWholeCharactersFromTheLeft) {
  struct Row {
    std::string text, pattern, replacement, expected;
  } rows[] = {
      {"a‐b‐c", "‐", "-", "a-b-c"},
      {"サーバー", "ー", "-", "サ-バ-"},
      {"メ[", "ー", "-", "メ["},  // メ is 83 81: the 81 5B after its first byte starts on a second byte
      {"メー", "ー", "-", "メ-"},
      {"aaa", "aa", "b", "ba"},
      {"ABC abc", "abc", "x", "ABC x"},
      {"a‐b", "", "-", "a‐b"},
      {"a‐b", "ー", "-", "a‐b"},
      {"", "ー", "-", ""},
      {"a‐b", "‐", "", "ab"},
      {"‐‐", "‐", "--", "----"},
      {"表‐ソ‐", "‐", "-", "表-ソ-"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    EXPECT_EQ(TinyUtils::ReplaceAll(row.text, row.pattern, row.replacement), row.expected) << "row " << i;
  }
}

}  // namespace
