#include "po/play_run.h"

#include <signal.h>
#include <sys/resource.h>

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "po/play_notes.h"
#include "po/play_project.h"
#include "po/play_report.h"
#include "po/play_session.h"
#include "po/play_translation.h"
#include "po/translation_run.h"

namespace {

/// The commands of a walkthrough file, one a line (a leading ">" dropped).
bool readWalkthrough(const QString& path, QStringList& commands, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
    return false;
  }
  for (QString line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    line = line.trimmed();
    if (line.startsWith(QLatin1Char('>'))) line = line.mid(1).trimmed();
    if (!line.isEmpty()) commands << line;
  }
  if (commands.isEmpty()) {
    error = QStringLiteral("%1: holds no command").arg(path);
    return false;
  }
  return true;
}

QString cpuSeconds() {
  rusage self{}, children{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_CHILDREN, &children);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
  return QString::number(seconds(self.ru_utime) + seconds(self.ru_stime) +
                             seconds(children.ru_utime) + seconds(children.ru_stime),
                         'f', 1);
}

/// Writes each entry's class into the template.
void addClassNotes(PlayProject& project, const QVector<EntryClass>& classes) {
  for (int i = 0; i < classes.size(); ++i) {
    const EntryClass& found = classes[i];
    project.templateBuilder().addNote(
        i, found.kind == EntryClass::Kind::Shown            ? shownNote(found.command)
           : found.kind == EntryClass::Kind::ChangesTheGame ? gameChangingNote(found.how)
                                                            : notReachedNote());
  }
}

void printSummary(const PoConfig& config, const PlayProject& project, const PlaySession& session,
                  double seconds, QTextStream& out) {
  int shown = 0, changing = 0;
  for (const EntryClass& found : session.classes()) {
    shown += found.kind == EntryClass::Kind::Shown ? 1 : 0;
    changing += found.kind == EntryClass::Kind::ChangesTheGame ? 1 : 0;
  }
  const int entries = project.entries().size();
  out << config.output << ": " << entries << " entries: " << shown << " shown in play, " << changing
      << " changing the game, " << entries - shown - changing << " not reached in play; "
      << session.copiesTried() << " copies built and played in " << QString::number(seconds, 'f', 1)
      << " s (" << cpuSeconds() << " s of processor time)\n";
  for (int i = 0; i < entries; ++i) {
    const EntryClass& found = session.classes()[i];
    if (found.kind != EntryClass::Kind::ChangesTheGame) continue;
    out << project.entries()[i].reference << ": " << quotedText(project.entries()[i].msgid, 60)
        << ": changing it changes the game (" << found.how << "): " << found.detail << '\n';
  }
}

/// The stretches of the translated transcript that are not translated, and
/// the share that is.
void printCoverage(const PoConfig& config, const PlayProject& project, const PlayedTexts& played,
                   QTextStream& out) {
  int untranslated = 0, noEntry = 0;
  for (const Stretch& stretch : played.stretches) {
    untranslated += stretch.source == StretchSource::Untranslated ? 1 : 0;
    noEntry += stretch.source == StretchSource::NoEntry ? 1 : 0;
  }
  out << config.poFile << ": "
      << QString::number(
             100 * shareOf(played.transcript, played.stretches, StretchSource::Translated), 'f', 1)
      << "% of what the translated copy prints comes from translated entries; " << untranslated
      << " stretches from untranslated or fuzzy entries, " << noEntry << " from no entry\n";
  for (const Stretch& stretch : played.stretches) {
    const QString text = played.transcript.text().mid(stretch.begin, stretch.end - stretch.begin);
    if (stretch.source == StretchSource::Untranslated) {
      const PlayEntry& entry = project.entries()[stretch.entry];
      out << "  untranslated: " << entry.reference << ": " << quotedText(text) << " (msgid "
          << quotedText(entry.msgid) << ")\n";
    } else if (stretch.source == StretchSource::NoEntry) {
      out << "  from no entry: " << quotedText(text) << '\n';
    }
  }
  if (played.untracedFrom >= 0) {
    out << "  from line " << played.transcript.lineOf(played.untracedFrom) + 1
        << " on, the copy with tagged texts plays differently: what follows is not attributed\n";
  }
}

/// Why a file cannot be written at `path`, or an empty text.
QString unwritable(const QString& path) {
  const QFileInfo file(path);
  if (file.isDir()) return path + QStringLiteral(": is a folder");
  const QFileInfo folder(file.absolutePath());
  if (!folder.isDir()) return path + QStringLiteral(": no such folder");
  if (!folder.isWritable()) return path + QStringLiteral(": the folder cannot be written");
  return QString();
}

void onSignal(int) { stopShells(); }

}  // namespace

int runPlay(const PoConfig& config, QTextStream& out, QTextStream& err) {
  const QString usage = projectOptionsProblem(config);
  if (!usage.isEmpty()) {
    err << "brisvane-po: " << usage << '\n';
    return 2;
  }
  for (const QString& path : {config.output, config.play.report}) {
    if (!path.isEmpty() && !unwritable(path).isEmpty()) {
      err << "brisvane-po: " << unwritable(path) << '\n';
      return 2;
    }
  }
  QString error;
  QVector<PoEntry> translations;
  if (!config.poFile.isEmpty() && !readPoFile(config.poFile, translations, error)) {
    err << error << '\n';
    return 1;
  }
  QElapsedTimer clock;
  clock.start();
  PlayCommands commands;
  commands.rootDir = config.rootDir;
  commands.build = config.play.build;
  commands.run = config.play.run;
  commands.timeout = config.play.timeout;
  commands.jobs =
      config.play.jobs > 0 ? config.play.jobs : std::max(1, QThread::idealThreadCount());
  if (!config.play.commands.isEmpty() &&
      !readWalkthrough(config.play.commands, commands.walkthrough, error)) {
    err << "brisvane-po: " << error << '\n';
    return 2;
  }
  PlayProject project;
  QStringList problems;
  if (!project.read(config, error, problems)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  for (const QString& problem : problems) err << problem << '\n';
  err << "play: " << counted(project.entries().size(), "entry", "entries") << " in "
      << counted(project.files().size(), "file", "files") << ", "
      << counted(commands.jobs, "copy", "copies") << " at a time\n";
  err.flush();
  // Interrupted, the commands under way are stopped and the copies removed.
  // A signal the shell had this program ignore (run in the background) stays
  // ignored.
  for (int signal : {SIGINT, SIGTERM}) {
    struct sigaction before {};
    sigaction(signal, nullptr, &before);
    if (before.sa_handler == SIG_IGN) continue;
    struct sigaction stop {};
    stop.sa_handler = onSignal;
    sigaction(signal, &stop, nullptr);
  }
  PlaySession session(project, commands, err);
  if (!session.start(error) || !session.classify(error)) {
    err << "brisvane-po: play: " << error << '\n';
    return 1;
  }
  addClassNotes(project, session.classes());
  if (!project.templateBuilder().write(config.output, error)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  printSummary(config, project, session, clock.elapsed() / 1000.0, out);
  PlayedTexts played;
  if (!config.poFile.isEmpty()) {
    if (!translatedTexts(session, project, translations, config.toCharset, played, error)) {
      err << "brisvane-po: play: " << error << '\n';
      return 1;
    }
    reportRefusals(config, played.refusals, err);
    printCoverage(config, project, played, out);
  } else if (!config.play.report.isEmpty()) {
    played = originalTexts(session, project);
  }
  if (!config.play.report.isEmpty() && !writePlayReport(config.play.report, project, session,
                                                        played, !config.poFile.isEmpty(), error)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  return problems.isEmpty() ? 0 : 1;
}
