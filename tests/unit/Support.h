// What the unit tests share: the platform's model (Model.h), and tables of a text in and the
// text expected out.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Model.h"

// Each row's text handed to function gives the row's expected text.
template <typename Function>
void ExpectEach(std::initializer_list<std::pair<std::string, std::string>> rows, Function function) {
  for (const auto& [text, expected] : rows) EXPECT_EQ(function(text), expected) << ::testing::PrintToString(text);
}
