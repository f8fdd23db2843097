#include "e2e/e2e_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTextCodec>

namespace e2e {

namespace {

const int kRunTimeoutMs = 60000;
const QString kKeepFile = QStringLiteral(".gitkeep");

const QDir::Filters kEverything =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

}  // namespace

ToolRun runTool(const QStringList& arguments, const QString& workingDirectory) {
  QProcess process;
  // The tool decodes its arguments and file names with the locale's codec.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(workingDirectory);
  process.start(QStringLiteral(BRISVANE_EXE), arguments);

  ToolRun run;
  if (!process.waitForStarted() || !process.waitForFinished(kRunTimeoutMs)) {
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
  QDirIterator it(root, kEverything, QDirIterator::Subdirectories);
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

bool copyTree(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  const QDir source(from);
  const QDir target(to);
  for (const QFileInfo& entry : source.entryInfoList(kEverything)) {
    const QString destination = target.filePath(entry.fileName());
    if (entry.isDir()) {
      if (!copyTree(entry.filePath(), destination)) return false;
    } else if (entry.fileName() != kKeepFile) {
      if (!QFile::copy(entry.filePath(), destination)) return false;
    }
  }
  return true;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray toCp1251(const QString& text) {
  return QTextCodec::codecForName("CP1251")->fromUnicode(text);
}

bool writeCp1251File(const QString& path, const QString& text) {
  return writeFile(path, toCp1251(text));
}

QByteArray withCrLf(const QByteArray& bytes) {
  QByteArray result;
  result.reserve(bytes.size() + bytes.size() / 16);
  for (int i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) result += '\r';
    result += bytes[i];
  }
  return result;
}

}  // namespace e2e
