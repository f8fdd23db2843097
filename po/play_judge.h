#ifndef BRISVANE_PO_PLAY_JUDGE_H
#define BRISVANE_PO_PLAY_JUDGE_H

#include <QHash>
#include <QString>
#include <QVector>

#include "po/play_process.h"
#include "po/play_project.h"
#include "po/play_search.h"
#include "po/play_transcript.h"

/// Tells how a copy with stand-ins fared against the untouched game, and
/// which entries its failure points at.
class PlayJudge {
 public:
  PlayJudge(const PlayProject& project, const Transcript& reference, int referenceExit);

  /// A build that failed: the compiler's first error, and the entries with
  /// a literal on or next to the line it names.
  TrialOutcome buildFailed(const ShellResult& build) const;
  /// A run: plays, or how and where it differs from the reference.
  TrialOutcome judgeRun(const ShellResult& run, const Transcript& played, int timeoutSeconds) const;

 private:
  /// The entries a difference at `at` of `played` (and `referenceAt` of the
  /// reference) points at, in tiers: texts printed there as they are, not
  /// as the reference printed them (a name the program no longer finds),
  /// with the single-quoted entries holding a word of the last command that
  /// the line names (vocabulary); the entries printed with their stand-ins
  /// since that command; the single-quoted entries holding any word of it.
  QVector<QVector<int>> suspectsAround(const Transcript& played, int at, int referenceAt) const;
  /// `outcome` with the tiers of entries like code after its own.
  TrialOutcome withLikeCode(TrialOutcome outcome) const;
  /// The single-quoted entries that hold `word`.
  const QVector<int>& holding(const QString& word) const;

  const PlayProject& project_;
  const Transcript& reference_;
  int referenceExit_;
  QHash<QString, QVector<int>> byWord_;  ///< single-quoted entries by lower-case word
  QVector<QString> lowered_;             ///< every msgid in lower case, trimmed
  /// The entries most like code (single-quoted, one word), then every
  /// single-quoted one: the last tiers of every failure, so that a group
  /// nothing points into is split where changes of the game are likeliest.
  QVector<QVector<int>> likeCode_;
};

#endif
