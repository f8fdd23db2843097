#ifndef BRISVANE_PO_PLAY_SEARCH_H
#define BRISVANE_PO_PLAY_SEARCH_H

#include <QHash>
#include <QString>
#include <QVector>
#include <functional>

/// How a copy with stand-ins fared against the untouched game.
struct TrialOutcome {
  enum class Kind { Plays, BuildFails, StartupFails, Differs };
  Kind kind = Kind::Plays;
  QString detail;  ///< the compiler's message or the first line that differs
  /// Entries the failure points at, in tiers, the likeliest first (named by
  /// the compiler's message; printed as they are where the transcript
  /// differs; printed there with their stand-ins; holding a word of the
  /// command before it); may be empty or name entries outside the trial.
  QVector<QVector<int>> suspects;
};

/// One copy to try: the entries that carry their stand-ins.
struct Trial {
  int id = -1;
  QVector<int> entries;
};

/// Adaptive group testing of the entries: which of them change the game when
/// they carry a stand-in, in a number of trials that grows with the number
/// of such entries rather than with the number of entries. Every entry
/// starts in one group; a group that fails is split (first the entries of the first tier of
/// suspects its failure points at that splits it, else in two halves in the order given) until each
/// entry that fails alone is found; a half whose sibling played when their
/// parent failed fails without a trial (and is split by the tiers of
/// suspects its parent's failure had left). Then every entry not found carries
/// its stand-in at once: entries interact, so while that copy fails, the
/// smallest set of them that fails is found and the one of it most like code
/// (by `codeLikeness`) is set apart too. Trials can run several at a time.
class GroupSearch {
 public:
  /// `entryCount` entries in the order groups keep (so that neighbours,
  /// which share source files, stay together).
  GroupSearch(int entryCount, std::function<int(int)> codeLikeness);

  /// The next copy to try, or false when none can be tried until an outcome
  /// of a trial under way is recorded (or the search is finished).
  bool next(Trial& trial);
  /// The outcome of trial `id`.
  void record(int id, const TrialOutcome& outcome);

  bool finished() const { return finished_; }
  /// Trials under way.
  int running() const { return running_; }
  /// Entries set apart so far, and how the game fails with each.
  const QVector<QPair<int, TrialOutcome>>& gameChanging() const { return gameChanging_; }
  /// Entries that played in some trial and are not set apart.
  int playedCount() const { return played_; }
  /// A rough count of the trials still to come.
  int trialsLeft() const;
  /// The trial of every entry not set apart together that played, once finished.
  int finalTrial() const { return finalTrial_; }

 private:
  struct Group {
    QVector<int> entries;
    int sibling = -1;
    enum class State { Waiting, Ready, Running, Played, Failed } state = State::Ready;
  };
  void fail(int group, const TrialOutcome& outcome);
  void split(int group, const TrialOutcome& outcome);
  void setApart(int entry, const TrialOutcome& outcome);
  /// Sets apart the entry of kept_ most like code and checks the union again.
  void setApartMostCodeLike();
  void startUnion();
  /// The union failed or a step of narrowing it down recorded `failed`.
  void narrowUnion(bool failed, const TrialOutcome& outcome);
  Trial union_(const QVector<int>& entries);

  QVector<Group> groups_;
  QVector<int> ready_;
  QVector<char> state_;  ///< per entry: 0 unknown, 1 played, 2 set apart
  std::function<int(int)> codeLikeness_;
  QVector<QPair<int, TrialOutcome>> gameChanging_;
  int played_ = 0;
  int running_ = 0;
  int nextId_ = 0;
  QHash<int, TrialOutcome> failures_;  ///< by group: how its parent failed
  QVector<int> trialGroup_;            ///< group of each trial, -1 for union trials
  bool finished_ = false;
  int finalTrial_ = -1;

  // The check of the union and its narrowing down.
  enum class UnionStep { None, Pending, Checking, Narrowing } unionStep_ = UnionStep::None;
  QVector<int> kept_;        ///< entries known to be needed for the failure
  QVector<int> candidates_;  ///< the rest that may be; kept_ + candidates_ fails
  int low_ = 0, high_ = 0;   ///< the smallest failing prefix of candidates_ lies in (low_, high_]
  int probe_ = 0;            ///< the prefix length under trial
  TrialOutcome unionFailure_;
  Trial pendingUnion_;
};

#endif
