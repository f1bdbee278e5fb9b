// Host unit tests: every test starts on a freshly reset simulated Windows whose library
// start-up has run, as at the start of a program.
#include <gtest/gtest.h>

#include "TinyUtilsText.h"
#include "platform/sim/Sim.h"

namespace {

class FreshMachine : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    Sim::Reset();
    TinyUtils::Startup();
  }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshMachine);
  return RUN_ALL_TESTS();
}
