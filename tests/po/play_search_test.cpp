// The group testing of brisvane-po play against a game simulated by a rule:
// a copy fails when it holds an entry that fails alone or both entries of a
// pair that fails together. Every entry that fails alone is found, one entry
// of each pair, no other, in few trials, whether trials run one or several
// at a time.
#include "po/play_search.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

struct SimulatedGame {
  const char* name;
  int entries;
  QVector<int> failAlone;
  QVector<QPair<int, int>> failTogether;
  int jobs;
  int maxTrials;
};

void PrintTo(const SimulatedGame& game, std::ostream* out) { *out << game.name; }

class GroupSearchTest : public testing::TestWithParam<SimulatedGame> {};

TEST_P(GroupSearchTest, FindsWhatChangesTheGame) {
  const SimulatedGame& game = GetParam();
  // The code-likeness prefers the higher entry of a pair.
  GroupSearch search(game.entries, [](int entry) { return entry; });
  const auto outcomeOf = [&](const Trial& trial) {
    const QSet<int> held(trial.entries.begin(), trial.entries.end());
    TrialOutcome outcome;
    for (int entry : game.failAlone) {
      if (held.contains(entry)) outcome.kind = TrialOutcome::Kind::Differs;
    }
    for (const QPair<int, int>& pair : game.failTogether) {
      if (held.contains(pair.first) && held.contains(pair.second)) {
        outcome.kind = TrialOutcome::Kind::BuildFails;
      }
    }
    return outcome;
  };
  int trials = 0;
  QVector<Trial> running;
  while (!search.finished()) {
    Trial trial;
    while (running.size() < game.jobs && search.next(trial)) running.append(trial);
    ASSERT_FALSE(running.isEmpty()) << "the search waits for nothing";
    const Trial done = running.takeFirst();
    search.record(done.id, outcomeOf(done));
    ASSERT_LE(++trials, game.maxTrials);
  }
  QSet<int> expected(game.failAlone.begin(), game.failAlone.end());
  for (const QPair<int, int>& pair : game.failTogether) expected.insert(pair.second);
  QSet<int> found;
  for (const auto& apart : search.gameChanging()) found.insert(apart.first);
  EXPECT_EQ(expected, found);
  EXPECT_EQ(game.entries - expected.size(), search.playedCount());
}

INSTANTIATE_TEST_SUITE_P(
    Games, GroupSearchTest,
    testing::Values(SimulatedGame{"NothingChanges", 500, {}, {}, 2, 1},
                    SimulatedGame{"ThreeAloneOneJob", 1000, {3, 500, 999}, {}, 1, 45},
                    SimulatedGame{"ThreeAloneTwoJobs", 1000, {3, 500, 999}, {}, 2, 50},
                    SimulatedGame{"ThreeAloneInTenTimesMore", 10000, {3, 5000, 9999}, {}, 2, 62},
                    SimulatedGame{"APairAndOneAlone", 400, {7}, {{100, 300}}, 2, 60},
                    SimulatedGame{"TwoPairs", 64, {}, {{1, 2}, {40, 63}}, 3, 60}),
    [](const testing::TestParamInfo<SimulatedGame>& info) { return std::string(info.param.name); });

}  // namespace
