// Contract tests: the same checks run against the simulation and against Windows (Wine);
// a difference between the two is a fault of the simulation.
#include <cstdio>

#include <gtest/gtest.h>

#include "Fixture.h"
#include "TinyUtilsText.h"

namespace {

class FreshState : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    Fixture::Reset();
    TinyUtils::Startup();
  }
  void OnTestEnd(const ::testing::TestInfo&) override { Fixture::RemoveScratchFolders(); }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::printf("Contract tests against: %s%s\n", Fixture::PlatformName(), Fixture::IsWine() ? " (Wine)" : "");
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
  return RUN_ALL_TESTS();
}
