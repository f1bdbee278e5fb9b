// How a program starts and ends, and the program folder both programs find.
#include <string>

#include <gtest/gtest.h>

#include "Program.h"
#include "platform/Process.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimFiles.h"

namespace {

std::string steps;

TEST(RunProgram, RunsStartStepsThenMainThenEndStepsInReverse) {
  steps.clear();
  int exitCode = RunProgram({{[] { steps += "A+ "; }, [] { steps += "A- "; }},
                             {[] { steps += "B+ "; }, nullptr},
                             {nullptr, [] { steps += "C- "; }}},
                            [] {
                              steps += "main ";
                              return 3;
                            });
  EXPECT_EQ(steps, "A+ B+ main C- A- ");
  EXPECT_EQ(exitCode, 3);
}

TEST(RunProgram, ExitProcessEndsTheRunOnTheSpot) {
  steps.clear();
  int exitCode = Sim::RunProcess([] {
    return RunProgram({{[] { steps += "A+ "; }, [] { steps += "A- "; }}}, []() -> int {
      steps += "main ";
      Win::ExitProcess(5);
    });
  });
  EXPECT_EQ(steps, "A+ main ");
  EXPECT_EQ(exitCode, 5);
}

TEST(FindProgramFolder, IsTheFolderOfTheLongFormOfTheProgramsPath) {
  Sim::AddFolder("C:\\Program Files\\Vorla");
  Sim::AddFile("C:\\Program Files\\Vorla\\Vorla.exe");
  Sim::SetModuleFileName("C:\\PROGRA~1\\Vorla\\Vorla.exe");
  EXPECT_EQ(FindProgramFolder(), "C:\\Program Files\\Vorla\\");
  // Without GetLongPathNameA the folder of the path as the platform gave it, not none.
  Sim::SetLongPathFunctionPresent(false);
  EXPECT_EQ(FindProgramFolder(), "C:\\PROGRA~1\\Vorla\\");
}

}  // namespace
