#include "tads_instrument.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "process_run.h"

TadsInstrument::TadsInstrument() : dir_(qEnvironmentVariable("BRISVANE_TADS_DIR")) {}

bool TadsInstrument::available() const {
  if (dir_.isEmpty()) return false;
  for (const char* tool : {"t3make", "tadsc", "frob"}) {
    if (!QFileInfo(dir_ + "/bin/" + tool).isExecutable()) return false;
  }
  return QFileInfo(dir_ + "/lib").isDir() && QFileInfo(dir_ + "/include").isDir();
}

const char* TadsInstrument::missing() {
  // tools/test.sh groups skipped tests by the text before " (".
  return "TADS compilers not found; set BRISVANE_TADS_DIR (the folder that holds bin/t3make, "
         "bin/tadsc, bin/frob, lib/ and include/)";
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
