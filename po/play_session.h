#ifndef BRISVANE_PO_PLAY_SESSION_H
#define BRISVANE_PO_PLAY_SESSION_H

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>
#include <memory>

#include "po/play_copy.h"
#include "po/play_process.h"
#include "po/play_project.h"
#include "po/play_search.h"
#include "po/play_transcript.h"

/// What `play` found about one entry.
struct EntryClass {
  enum class Kind { Shown, ChangesTheGame, NotReached };
  Kind kind = Kind::NotReached;
  QString command;  ///< Shown: the command after which it first appeared ("" before any)
  QString how;      ///< ChangesTheGame: "build fails", "start-up fails" or "transcript differs"
  QString detail;   ///< ChangesTheGame: the compiler's message or the line that differs
};

/// What to copy and how to build and play a copy.
struct PlayCommands {
  QString rootDir;
  QString build;
  QString run;
  QStringList walkthrough;  ///< fed to the run's input as the game asks; empty: none
  int timeout = 120;        ///< seconds, for the untouched game
  int jobs = 1;
};

/// The copies of one `play` run, under the system's temporary folder and
/// removed at the end, and the trials made in them.
class PlaySession {
 public:
  PlaySession(const PlayProject& project, const PlayCommands& commands, QTextStream& err);

  /// Copies the project, builds and plays it as it stands (twice, to see
  /// that it plays the same each time). False with `error` set when it does
  /// not.
  bool start(QString& error);
  /// Classifies every entry; progress goes to the standard error.
  bool classify(QString& error);

  const QVector<EntryClass>& classes() const { return classes_; }
  const Transcript& reference() const { return reference_; }
  /// The transcript of the copy in which every entry that does not change the
  /// game carries its stand-in.
  const Transcript& standInTranscript() const { return final_; }
  int copiesTried() const { return tried_; }
  QString standIn(int entry) const { return standIns_[entry]; }

  /// Builds and plays the first copy holding `files` (relative path to
  /// bytes; every other source as in the project). False with `error` set
  /// when it does not build or its run does not end.
  bool playFiles(const QHash<QString, QByteArray>& files, Transcript& transcript, QString& error);

 private:
  struct Finished;
  class Completions;
  struct Pool;

  /// Starts a trial in every idle copy while the search has one to give.
  bool startTrials(GroupSearch& search, Pool& pool, int buildTimeout, int runTimeout,
                   QString& error);
  QHash<QString, QByteArray> standInFiles(const QVector<int>& entries) const;
  QByteArray original(const QString& relativePath) const;
  /// Builds and plays the copy in `root` as it stands.
  void buildAndPlay(const QString& root, int buildTimeout, int runTimeout, ShellResult& build,
                    ShellResult& run) const;
  void reportProgress(const GroupSearch& search, bool last);
  void takeClasses(const GroupSearch& search, const Transcript& final);

  const PlayProject& project_;
  PlayCommands commands_;
  QTextStream& err_;
  std::unique_ptr<QTemporaryDir> scratch_;
  QVector<PlayCopy> copies_;
  QHash<QString, int> fileIndex_;
  QVector<QString> standIns_;
  Transcript reference_;
  int referenceExit_ = 0;
  double referenceBuild_ = 0;
  double referenceRun_ = 0;
  Transcript final_;
  QVector<EntryClass> classes_;
  int tried_ = 0;
  QElapsedTimer clock_;
  qint64 lastProgress_ = -1;
};

#endif
