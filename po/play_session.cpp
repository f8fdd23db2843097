#include "po/play_session.h"

#include <QDir>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "po/play_judge.h"
#include "po/play_tag.h"
#include "po/translation_table.h"

/// A trial whose build and run have ended.
struct PlaySession::Finished {
  int copy = 0;
  Trial trial;
  ShellResult build;
  ShellResult run;
};

/// The trials that ended, handed from the threads that wait for the
/// commands to the one that judges them.
class PlaySession::Completions {
 public:
  void put(Finished finished) {
    std::lock_guard<std::mutex> lock(mutex_);
    done_.push_back(std::move(finished));
    ready_.notify_one();
  }
  Finished take() {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return !done_.empty(); });
    Finished finished = std::move(done_.front());
    done_.pop_front();
    return finished;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Finished> done_;
};

namespace {

QString minutes(double seconds) {
  const int whole = int(seconds + 0.5);
  return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString firstLines(const ShellResult& result) {
  const QString said = QString::fromUtf8(result.output + result.errors).trimmed();
  if (said.isEmpty()) return QString();
  return QStringLiteral(":\n  ") +
         said.split(QLatin1Char('\n')).mid(0, 5).join(QStringLiteral("\n  "));
}

/// A timeout for the trials: long enough for a copy that only takes longer
/// because its texts are longer, short enough not to wait long for one
/// that loops.
int trialTimeout(double referenceSeconds, int limit) {
  return std::min(limit, int(10 * referenceSeconds) + 10);
}

}  // namespace

PlaySession::PlaySession(const PlayProject& project, const PlayCommands& commands, QTextStream& err)
    : project_(project), commands_(commands), err_(err) {
  const QVector<PlayProject::File>& files = project.files();
  for (int i = 0; i < files.size(); ++i) fileIndex_.insert(files[i].relativePath, i);
  const QVector<PlayEntry>& entries = project.entries();
  standIns_.reserve(entries.size());
  for (int i = 0; i < entries.size(); ++i) {
    standIns_.append(taggedStandIn(entries[i].msgid, i, entries[i].quote, project.dialect()));
  }
}

QByteArray PlaySession::original(const QString& relativePath) const {
  return project_.files()[fileIndex_.value(relativePath)].source.bytes;
}

QHash<QString, QByteArray> PlaySession::standInFiles(const QVector<int>& entries) const {
  QVector<PoEntry> translated;
  translated.reserve(entries.size());
  QVector<bool> touched(project_.files().size(), false);
  for (int entry : entries) {
    PoEntry standIn;
    standIn.msgid = project_.entries()[entry].msgid;
    standIn.msgstr = standIns_[entry];
    translated.append(standIn);
    for (int file : project_.entries()[entry].files) touched[file] = true;
  }
  const TranslationTable table(translated);
  QHash<QString, QByteArray> files;
  for (int file = 0; file < touched.size(); ++file) {
    if (touched[file])
      files.insert(project_.files()[file].relativePath,
                   project_.render(file, table, PoConfig::TargetCharset::Source).bytes);
  }
  return files;
}

void PlaySession::buildAndPlay(const QString& root, int buildTimeout, int runTimeout,
                               ShellResult& build, ShellResult& run) const {
  build = runShell(commands_.build, root, buildTimeout);
  if (build.exitCode != 0 || build.timedOut) return;
  run = runShell(commands_.run, root, runTimeout, commands_.walkthrough);
}

bool PlaySession::start(QString& error) {
  clock_.start();
  scratch_.reset(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/brisvane-play-XXXXXX")));
  if (!scratch_->isValid()) {
    error = QStringLiteral("cannot create a folder under %1: %2")
                .arg(QDir::tempPath(), scratch_->errorString());
    return false;
  }
  copies_.resize(std::max(1, commands_.jobs));
  if (!copies_[0].create(commands_.rootDir, scratch_->filePath(QStringLiteral("copy1")), error)) {
    return false;
  }
  ShellResult build, run;
  buildAndPlay(copies_[0].root(), commands_.timeout, commands_.timeout, build, run);
  ++tried_;
  if (shellsStopped()) {
    error = QStringLiteral("interrupted");
    return false;
  }
  if (build.timedOut || build.exitCode != 0) {
    error = build.timedOut
                ? QStringLiteral("the project as it stands did not build within %1 s")
                      .arg(commands_.timeout)
                : QStringLiteral("the project as it stands does not build (exit code %1)%2")
                      .arg(build.exitCode)
                      .arg(firstLines(build));
    return false;
  }
  if (run.timedOut) {
    error = QStringLiteral(
                "the project as it stands did not end its run within %1 s; "
                "does the run command replay a walkthrough to its end?")
                .arg(commands_.timeout);
    return false;
  }
  reference_ = Transcript(run.output);
  referenceExit_ = run.exitCode;
  referenceBuild_ = build.seconds;
  referenceRun_ = run.seconds;
  err_ << "play: the game as it stands built in " << QString::number(build.seconds, 'f', 1)
       << " s and played " << reference_.commands().size() << " commands in "
       << QString::number(run.seconds, 'f', 1) << " s\n";
  if (reference_.commands().isEmpty()) {
    err_ << "play: warning: the transcript shows no command (a line starting with \">\"); "
            "every text shown is taken as shown at the start\n";
  }
  err_.flush();
  for (int i = 1; i < copies_.size(); ++i) {
    const QString into = scratch_->filePath(QStringLiteral("copy%1").arg(i + 1));
    if (!copies_[i].create(copies_[0].root(), into, error)) return false;
  }
  // A game that plays differently each time cannot tell a change.
  const int second = copies_.size() > 1 ? 1 : 0;
  const ShellResult again =
      runShell(commands_.run, copies_[second].root(),
               trialTimeout(referenceRun_, commands_.timeout), commands_.walkthrough);
  const Transcript replayed(again.output);
  const int at = reference_.firstDifference(replayed);
  if (at >= 0 || again.timedOut) {
    error = QStringLiteral(
                "the game does not play the same twice (line %1 of its transcript: "
                "\"%2\"); play needs a run that repeats, with a fixed random seed")
                .arg(reference_.lineOf(std::max(at, 0)) + 1)
                .arg(reference_.line(reference_.lineOf(std::max(at, 0))).trimmed());
    return false;
  }
  return true;
}

namespace {

void joinAll(std::vector<std::thread>& threads) {
  for (std::thread& thread : threads) {
    if (thread.joinable()) thread.join();
  }
}

}  // namespace

/// The copies at work: a thread per copy waits for its build and run.
struct PlaySession::Pool {
  explicit Pool(int copies) : threads(size_t(copies)), busy(copies, false) {}
  ~Pool() { joinAll(threads); }
  Completions completions;
  std::vector<std::thread> threads;
  QVector<bool> busy;
};

bool PlaySession::startTrials(GroupSearch& search, Pool& pool, int buildTimeout, int runTimeout,
                              QString& error) {
  const auto original = [this](const QString& path) { return this->original(path); };
  for (int copy = 0; copy < copies_.size(); ++copy) {
    Trial trial;
    if (pool.busy[copy] || !search.next(trial)) continue;
    if (!copies_[copy].bringTo(standInFiles(trial.entries), original, error)) return false;
    pool.busy[copy] = true;
    ++tried_;
    const QString root = copies_[copy].root();
    Completions& completions = pool.completions;
    pool.threads[size_t(copy)] =
        std::thread([this, copy, root, trial, buildTimeout, runTimeout, &completions] {
          Finished finished;
          finished.copy = copy;
          finished.trial = trial;
          buildAndPlay(root, buildTimeout, runTimeout, finished.build, finished.run);
          completions.put(std::move(finished));
        });
  }
  return true;
}

bool PlaySession::classify(QString& error) {
  const QVector<PlayEntry>& entries = project_.entries();
  QVector<bool> everShown(entries.size(), false);
  const auto codeLikeness = [&](int entry) {
    const PlayEntry& played = entries[entry];
    return (everShown[entry] ? 0 : 4) + (isSingleQuoted(played.quote) ? 2 : 0) +
           (played.msgid.trimmed().contains(QLatin1Char(' ')) ? 0 : 1);
  };
  GroupSearch search(entries.size(), codeLikeness);
  const PlayJudge judge(project_, reference_, referenceExit_);
  const int buildTimeout = trialTimeout(referenceBuild_, commands_.timeout);
  const int runTimeout = trialTimeout(referenceRun_, commands_.timeout);
  Pool pool(copies_.size());
  // The transcripts of copies that played with (nearly) every entry: the
  // last of them gives the classes.
  QHash<int, Transcript> played;
  while (!search.finished()) {
    if (!startTrials(search, pool, buildTimeout, runTimeout, error)) return false;
    if (!pool.busy.contains(true)) break;
    Finished finished = pool.completions.take();
    pool.threads[size_t(finished.copy)].join();
    pool.busy[finished.copy] = false;
    if (shellsStopped()) {
      error = QStringLiteral("interrupted");
      return false;
    }
    TrialOutcome outcome;
    if (finished.build.timedOut || finished.build.exitCode != 0) {
      outcome = judge.buildFailed(finished.build);
    } else {
      const Transcript transcript(finished.run.output);
      outcome = judge.judgeRun(finished.run, transcript, runTimeout);
      if (outcome.kind == TrialOutcome::Kind::Plays) {
        for (const QPair<int, int>& shown : transcript.tagsShown()) {
          if (shown.first < everShown.size()) everShown[shown.first] = true;
        }
        if (finished.trial.entries.size() + search.gameChanging().size() >= entries.size()) {
          played.insert(finished.trial.id, transcript);
        }
      }
    }
    search.record(finished.trial.id, outcome);
    reportProgress(search, false);
  }
  reportProgress(search, true);
  takeClasses(search, search.finalTrial() >= 0 ? played.value(search.finalTrial()) : reference_);
  return true;
}

void PlaySession::takeClasses(const GroupSearch& search, const Transcript& final) {
  final_ = final;
  classes_.fill(EntryClass(), project_.entries().size());
  for (const QPair<int, int>& shown : final.tagsShown()) {
    if (shown.first >= classes_.size()) continue;
    classes_[shown.first].kind = EntryClass::Kind::Shown;
    classes_[shown.first].command =
        shown.second > 0 ? final.commands()[shown.second - 1] : QString();
  }
  for (const QPair<int, TrialOutcome>& apart : search.gameChanging()) {
    EntryClass& changed = classes_[apart.first];
    changed.kind = EntryClass::Kind::ChangesTheGame;
    changed.command.clear();
    changed.how = apart.second.kind == TrialOutcome::Kind::BuildFails
                      ? QStringLiteral("build fails")
                  : apart.second.kind == TrialOutcome::Kind::StartupFails
                      ? QStringLiteral("start-up fails")
                      : QStringLiteral("transcript differs");
    changed.detail = apart.second.detail;
  }
}

void PlaySession::reportProgress(const GroupSearch& search, bool last) {
  const qint64 now = clock_.elapsed();
  if (!last && lastProgress_ >= 0 && now - lastProgress_ < 2000) return;
  lastProgress_ = now;
  const double elapsed = now / 1000.0;
  const int classified = search.playedCount() + search.gameChanging().size();
  err_ << "play: " << tried_ << " copies tried, " << classified << " of "
       << project_.entries().size() << " entries classified (" << search.gameChanging().size()
       << " change the game), " << minutes(elapsed) << " elapsed";
  if (!last && tried_ > 0) {
    err_ << ", about " << minutes(elapsed / tried_ * search.trialsLeft()) << " left";
  }
  err_ << '\n';
  err_.flush();
}

bool PlaySession::playFiles(const QHash<QString, QByteArray>& files, Transcript& transcript,
                            QString& error) {
  const auto original = [this](const QString& path) { return this->original(path); };
  if (!copies_[0].bringTo(files, original, error)) return false;
  ShellResult build, run;
  buildAndPlay(copies_[0].root(), commands_.timeout, commands_.timeout, build, run);
  ++tried_;
  if (build.timedOut || build.exitCode != 0) {
    error = QStringLiteral("the translated copy does not build (exit code %1)%2")
                .arg(build.exitCode)
                .arg(firstLines(build));
    return false;
  }
  if (run.timedOut) {
    error = QStringLiteral("the translated copy did not end its run within %1 s")
                .arg(commands_.timeout);
    return false;
  }
  transcript = Transcript(run.output);
  return true;
}
