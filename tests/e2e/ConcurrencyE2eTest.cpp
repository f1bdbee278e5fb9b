// Windows only: many copies of Vorla.exe started at once under Wine. The first to take the
// mutex "Vorla Exists" executes its list; every other one ends at once with exit code 0
// and opens nothing, while the first still pauses.
#include <gtest/gtest.h>

#include <memory>

#include "E2e.h"

using namespace E2e;

namespace {

TEST(ConcurrencyE2e, OfTwentyLaunchersStartedAtOnceExactlyOneExecutesItsList) {
  constexpr int kLaunchers = 20;
  constexpr DWORD kPauseMs = 5000;
  TempFolder folder;
  ProbeBrowser browser;
  std::vector<std::unique_ptr<Process>> launchers;
  std::vector<std::string> lists;
  for (int i = 0; i < kLaunchers; ++i) {
    lists.push_back(folder.Write("list" + std::to_string(i) + ".vlf",
                                 "wait=" + std::to_string(kPauseMs) + "\r\nhttp://a.example/" + std::to_string(i) + "\r\n"));
  }
  for (const auto& list : lists) launchers.push_back(std::make_unique<Process>(Quoted(LauncherPath()) + " " + Quoted(list)));

  // All but one end while that one still pauses: nothing has reached the browser yet.
  auto running = [&] {
    int count = 0;
    for (const auto& launcher : launchers) count += launcher->Running() ? 1 : 0;
    return count;
  };
  for (DWORD waited = 0; running() > 1 && waited < kPauseMs; waited += 20) Sleep(20);
  EXPECT_EQ(running(), 1);
  EXPECT_TRUE(browser.Starts().empty()) << "the list ran before the others had ended";
  for (int i = 0; i < kLaunchers; ++i) {
    EXPECT_TRUE(launchers[i]->Started()) << "launcher " << i;
    EXPECT_EQ(launchers[i]->Wait(), 0u) << "launcher " << i;
  }
  auto starts = browser.AwaitStarts(1, 500);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].Arguments().rfind("http://a.example/", 0), 0u) << starts[0].Arguments();
}

}  // namespace
