#include "tads_instrument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "process_run.h"

TadsInstrument::TadsInstrument() {
  dir_ = qEnvironmentVariable("BRISVANE_TADS_DIR",
                              qEnvironmentVariable("TADS_HOME", QDir::homePath() + "/.cache/tads"));
}

bool TadsInstrument::available() const {
  for (const char* tool : {"t3make", "tadsc", "frob"}) {
    if (!QFileInfo(dir_ + "/bin/" + tool).isExecutable()) return false;
  }
  return true;
}

const char* TadsInstrument::missing() {
  return "the TADS compilers are not built (bash ../shared/tads/build.sh, or set "
         "BRISVANE_TADS_DIR): what the game prints is not tested";
}

QString TadsInstrument::path(const QString& relative) const { return dir_ + '/' + relative; }

QString TadsInstrument::compileTads3(const QString& source, const QString& gameFile,
                                     bool adv3) const {
  QTemporaryDir work;
  QStringList options = {
      "-FL " + dir_ + "/lib",        "-FI " + dir_ + "/include",    "-o " + gameFile,
      "-Fy " + work.filePath("obj"), "-Fo " + work.filePath("obj"), "-FC"};
  // Options come before the list of libraries and sources.
  if (adv3)
    options << "-D LANGUAGE=en_us"
            << "-D MESSAGESTYLE=neu";
  options << "-lib system";
  if (adv3) options << "-lib adv3/adv3";
  options << "-source " + source;
  QFile project(work.filePath("game.t3m"));
  if (!project.open(QIODevice::WriteOnly)) return QStringLiteral("cannot write game.t3m");
  project.write(options.join('\n').toUtf8() + '\n');
  project.close();
  const ProcessRun run =
      runProcess(dir_ + "/bin/t3make", {"-q", "-f", project.fileName()}, work.path(), 300000);
  if (run.finished && run.exitCode == 0 && QFileInfo::exists(gameFile)) return QString();
  return QString::fromUtf8(run.standardOutput + run.standardError) + " (t3make failed)";
}

QString TadsInstrument::compileTads2(const QString& source, const QString& gameFile) const {
  const ProcessRun run =
      runProcess(dir_ + "/bin/tadsc", {"-i", dir_ + "/src/frobtads/tads2/", "-o", gameFile, source},
                 QFileInfo(source).absolutePath(), 300000);
  if (run.finished && run.exitCode == 0 && QFileInfo::exists(gameFile)) return QString();
  return QString::fromUtf8(run.standardOutput + run.standardError) + " (tadsc failed)";
}

QByteArray TadsInstrument::play(const QString& gameFile, const QByteArray& commands) const {
  // A TADS 3 game replays a command file whose lines start with ">"; a
  // TADS 2 game reads its commands from standard input.
  if (gameFile.endsWith(QLatin1String(".t3"))) {
    QTemporaryDir work;
    QFile script(work.filePath("commands.cmd"));
    if (!script.open(QIODevice::WriteOnly)) return QByteArray();
    for (const QByteArray& line : commands.split('\n')) {
      if (!line.isEmpty()) script.write(">" + line + "\n");
    }
    script.close();
    return runProcess(dir_ + "/bin/frob",
                      {"-i", "plain", "-p", "-S", "-R", script.fileName(), gameFile}, work.path())
        .standardOutput;
  }
  return runProcess(dir_ + "/bin/frob", {"-i", "plain", "-p", "-S", gameFile},
                    QFileInfo(gameFile).absolutePath(), 60000, commands)
      .standardOutput;
}
