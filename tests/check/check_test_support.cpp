#include "check/check_test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace checktest {

ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, int timeoutMs) {
  ProgramRun run;
  QProcess process;
  process.setWorkingDirectory(workingDirectory);
  process.start(program, arguments);
  if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.finished = process.exitStatus() == QProcess::NormalExit;
  run.exitCode = process.exitCode();
  run.standardOutput = process.readAllStandardOutput();
  run.standardError = process.readAllStandardError();
  return run;
}

Tree readTree(const QString& root) {
  Tree tree;
  const QDir base(root);
  QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString relative = base.relativeFilePath(path);
    if (it.fileInfo().isDir()) {
      tree.insert(relative + QLatin1Char('/'), QByteArray());
    } else {
      tree.insert(relative, readFile(path));
    }
  }
  return tree;
}

void writeTree(const QString& root, const Tree& tree) {
  for (auto entry = tree.constBegin(); entry != tree.constEnd(); ++entry) {
    const QString path = root + QLatin1Char('/') + entry.key();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (entry.key().endsWith(QLatin1Char('/'))) continue;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(entry.value());
  }
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString dumpModel(const DocumentModel& model) {
  QString dump;
  for (const FileEntry& file : model) {
    dump += QStringLiteral("F %1\n").arg(file.name);
    for (const ChunkEntry& chunk : file.chunks) {
      dump += QStringLiteral("C %1\n").arg(chunk.name);
      for (const LineEntry& row : chunk.lines) {
        dump += QStringLiteral("R %1/%2/%3 %4\n")
                    .arg(row.doubleQuoted ? '"' : '\'')
                    .arg(row.lineIndex)
                    .arg(row.literalIndex)
                    .arg(row.text);
      }
    }
  }
  return dump;
}

QString fixture(const QString& relative) {
  return QStringLiteral(BRISVANE_CHECK_FIXTURES) + QLatin1Char('/') + relative;
}

}  // namespace checktest
