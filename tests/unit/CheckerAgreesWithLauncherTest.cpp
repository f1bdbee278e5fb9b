// One reader, proven: the launcher runs a generated list of lines of every kind, the
// checker reports on the same file, and what the checker says of each line is exactly what
// the launcher did with it, in order: pauses, programs started, texts handed to the shell,
// and nothing for the lines it skips or never reads.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "CheckerSupport.h"
#include "ListCheck.h"
#include "platform/sim/SimEnvironment.h"

using namespace CheckerSupport;
using Strings = std::vector<std::string>;

namespace {

// The pieces lines are made of; every line is a lead, a key, a body and a trail.
const Strings kLeads = {"", " ", "\t", "  \t", "\x01", std::string("\0", 1)};
const Strings kKeys = {"", "", "", ";", "wait=", "WAIT=", "Wait= ", "url=", "URL=", "url= ", "url=url="};
const Strings kBodies = {
    "500", "20000", "$3E8", "soon", "-5", "0", "", "http://a.example/", "www.b.example", "https://c.example/",
    "HTTP://D.EXAMPLE/", "ttp://e.example/", "\x82\x88\x82\x94\x82\x94\x82\x90\x81\x46//f", "notepad",
    "notepad memo.txt", "%SystemRoot%\\notepad.exe", "C:\\Tools\\app.exe /x", "C:\\Program Files\\App\\app.exe",
    "C:\\Lists\\memo.txt", "C:\\Lists\\memo.zzz", "C:\\Lists", "missing.exe", "app", "helper", "a\x1a b",
    std::string("x\0y", 3), "\xE5\xA4\xA9", "\x93\x56\x8B\x43", "\"C:\\Program Files\\App\\app.exe\" -y",
    "%UNDEFINED%\\x.exe", "%TOOLS%\\app.exe", "http:%TOOLS%"};
const Strings kTrails = {"", "", " ", "\t", std::string("\0", 1)};
const Strings kLineEnds = {"\r\n", "\r\n", "\n", "\r\r\n", "\r"};

// A deterministic stream of choices, so that a failure can be repeated.
class Choices {
 public:
  explicit Choices(std::uint32_t seed) : state_(seed) {}
  const std::string& From(const Strings& pieces) {
    state_ = state_ * 1664525u + 1013904223u;
    return pieces[(state_ >> 8) % pieces.size()];
  }

 private:
  std::uint32_t state_;
};

std::string MakeCorpus(std::uint32_t seed, int lines) {
  Choices choices(seed);
  std::string corpus;
  for (int i = 0; i < lines; ++i) {
    if (i == lines * 9 / 10) corpus += "\n\x1a";  // the launcher stops here; the rest is never read
    corpus += choices.From(kLeads) + choices.From(kKeys) + choices.From(kBodies) + choices.From(kTrails) +
              choices.From(kLineEnds);
  }
  return corpus;
}

// What the launcher does, by the checker's account: the entries of Sim::Activity().
Strings PredictedActivity(const TFileReport& report) {
  Strings activity;
  for (const auto& line : report.Lines) {
    switch (line.Action) {
      case TAction::Pause:
        if (line.Line.Milliseconds > 0) activity.push_back("wait " + std::to_string(line.Line.Milliseconds));
        break;
      case TAction::Browser:
      case TAction::Start:
        activity.push_back("run " + line.CommandLine);
        break;
      case TAction::Shell:
        activity.push_back("fail " + line.CommandLine);
        activity.push_back("open " + line.CommandLine);
        break;
      case TAction::Nothing:
      case TAction::NeverRead:
        break;
    }
  }
  return activity;
}

TEST(CheckerAgreesWithLauncher, OnEveryLineOfAGeneratedCorpus) {
  for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
    Sim::Reset();
    SetUpMachine();
    Sim::SetEnvironmentVariable("PATH", "C:\\Tools");
    Sim::SetEnvironmentVariable("TOOLS", "C:\\Tools");
    WriteList(MakeCorpus(seed, 600));
    EXPECT_EQ(LauncherSupport::RunLauncher(kList), 0) << "seed " << seed;
    Strings done = Sim::Activity();
    TFileReport report = CheckListFile(kList);
    Strings predicted = PredictedActivity(report);
    ASSERT_EQ(predicted.size(), done.size()) << "seed " << seed;
    for (std::size_t i = 0; i < done.size(); ++i) EXPECT_EQ(predicted[i], done[i]) << "seed " << seed << ", entry " << i;
    EXPECT_EQ(Sim::Activity(), done) << "seed " << seed;  // the checker itself did nothing
    // Every kind of line and of action occurs, so the corpus proves them all.
    std::set<TAction> actions;
    for (const auto& line : report.Lines) actions.insert(line.Action);
    EXPECT_EQ(actions.size(), 6u) << "seed " << seed;
  }
}

}  // namespace
