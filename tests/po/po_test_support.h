#ifndef BRISVANE_TESTS_PO_PO_TEST_SUPPORT_H
#define BRISVANE_TESTS_PO_PO_TEST_SUPPORT_H

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include "process_run.h"

/// What the end-to-end tests of brisvane-po share: running it and the
/// gettext tools, and reading and writing whole trees.
namespace potest {

inline QString fixture(const QString& relative) {
  return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/fixtures/") + relative;
}

inline ProcessRun runPo(const QStringList& arguments, const QString& workingDirectory = QDir::tempPath()) {
  return runProcess(QStringLiteral(BRISVANE_PO_EXE), arguments, workingDirectory);
}

/// The path of an installed program, or empty.
inline QString tool(const char* name) {
  return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

/// Every file below `root` by its relative path, with its bytes; folders as
/// entries ending in "/" with no bytes.
inline QMap<QString, QByteArray> readTree(const QString& root) {
  QMap<QString, QByteArray> tree;
  const QDir base(root);
  QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
  while (entries.hasNext()) {
    const QString path = entries.next();
    if (entries.fileInfo().isSymLink()) {
      tree.insert(base.relativeFilePath(path),
                  "-> " + base.relativeFilePath(entries.fileInfo().symLinkTarget()).toUtf8());
      continue;
    }
    if (entries.fileInfo().isDir()) {
      tree.insert(base.relativeFilePath(path) + QLatin1Char('/'), QByteArray());
      continue;
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    tree.insert(base.relativeFilePath(path), file.readAll());
  }
  return tree;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
}

inline QByteArray readFile(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

inline std::string shown(const ProcessRun& run) {
  return (run.standardOutput + run.standardError).toStdString();
}

}  // namespace potest

#endif
