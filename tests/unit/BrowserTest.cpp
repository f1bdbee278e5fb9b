// The way through the registry to the default browser: the class the user chose, then the
// http class as before.
#include <gtest/gtest.h>

#include <map>

#include "Browser.h"

namespace {

// The registry as a table: "<protocol> UserChoice" holds the chosen ProgId, a shell key its
// default verb, a command key the existing program its command names.
class TTableRegistry final : public TinyUtils::TProtocolRegistry {
 public:
  explicit TTableRegistry(const std::map<std::string, std::string>& values) : values_(values) {}
  std::string UserChoice(const std::string& protocol) override { return Value(protocol + " UserChoice"); }
  std::string ClassValue(const std::string& keyPath) override { return Value(keyPath); }
  std::string ProgramOfCommand(const std::string& keyPath) override { return Value(keyPath); }

 private:
  std::string Value(const std::string& key) const { return values_.contains(key) ? values_.at(key) : ""; }
  const std::map<std::string, std::string>& values_;
};

TEST(ProtocolProgramPath, TakesTheChosenClassWithItsVerbElseFallsBackToTheHttpClass) {
  const std::string kOld = "http\\shell\\open\\command", kChosen = "Web\\shell\\open\\command";
  const std::pair<std::map<std::string, std::string>, std::string> rows[] = {
      {{}, ""},
      {{{kOld, "C:\\old.exe"}}, "C:\\old.exe"},
      {{{"http UserChoice", "Web"}, {kChosen, "C:\\web.exe"}, {kOld, "C:\\old.exe"}}, "C:\\web.exe"},
      {{{"http UserChoice", "Web"}, {"Web\\shell", "go"}, {"Web\\shell\\go\\command", "C:\\go.exe"},
        {kChosen, "C:\\web.exe"}},
       "C:\\go.exe"},
      // A named verb without a command (a packaged app's "DelegateExecute") or a missing file.
      {{{"http UserChoice", "Web"}, {"Web\\shell", "go"}, {kChosen, "C:\\web.exe"}, {kOld, "C:\\old.exe"}},
       "C:\\old.exe"},
      {{{"http UserChoice", "Web"}, {kOld, "C:\\old.exe"}}, "C:\\old.exe"},
      {{{"https UserChoice", "Web"}, {kChosen, "C:\\web.exe"}, {kOld, "C:\\old.exe"}}, "C:\\old.exe"},
      {{{"http\\shell", "ff"}, {"http\\shell\\ff\\command", "C:\\ff.exe"}, {kOld, "C:\\old.exe"}}, "C:\\ff.exe"},
      {{{"http\\shell", "ff"}, {kOld, "C:\\old.exe"}}, "C:\\old.exe"},
  };
  for (const auto& [values, expected] : rows) {
    TTableRegistry registry(values);
    EXPECT_EQ(TinyUtils::ProtocolProgramPath("http", registry), expected) << ::testing::PrintToString(values);
  }
}

}  // namespace
