#ifndef BRISVANE_TESTS_PO_PO_TEST_SUPPORT_H
#define BRISVANE_TESTS_PO_PO_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include "po/po_catalog.h"
#include "process_run.h"
#include "test_files.h"

/// What the end-to-end tests of brisvane-po share: running it and the
/// gettext tools, and reading PO files and whole trees.
namespace potest {

inline QString fixture(const QString& relative) {
  return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/fixtures/") +
         relative;
}

inline ProcessRun runPo(const QStringList& arguments,
                        const QString& workingDirectory = QDir::tempPath()) {
  return runProcess(QStringLiteral(BRISVANE_PO_EXE), arguments, workingDirectory);
}

inline std::string shown(const ProcessRun& run) {
  return (run.standardOutput + run.standardError).toStdString();
}

/// Runs brisvane-po and expects it to succeed; false when it did not.
inline bool ranPo(const QStringList& arguments,
                  const QString& workingDirectory = QDir::tempPath()) {
  const ProcessRun run = runPo(arguments, workingDirectory);
  EXPECT_EQ(run.exitCode, 0) << shown(run);
  return run.exitCode == 0;
}

/// The path of an installed program, or empty.
inline QString tool(const char* name) {
  return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

inline QVector<PoEntry> readEntries(const QString& path) {
  QVector<PoEntry> entries;
  QString error;
  EXPECT_TRUE(readPoFile(path, entries, error)) << error.toStdString();
  return entries;
}

/// Every file below `root` by its relative path, with its bytes; folders as
/// entries ending in "/" with no bytes, links as "-> " and their target.
inline QMap<QString, QByteArray> readTree(const QString& root) {
  QMap<QString, QByteArray> tree;
  const QDir base(root);
  QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
  while (entries.hasNext()) {
    const QString path = base.relativeFilePath(entries.next());
    const QFileInfo info = entries.fileInfo();
    if (info.isSymLink()) {
      tree.insert(path, "-> " + base.relativeFilePath(info.symLinkTarget()).toUtf8());
    } else {
      tree.insert(info.isDir() ? path + QLatin1Char('/') : path,
                  info.isDir() ? QByteArray() : testfiles::readFile(info.filePath()));
    }
  }
  return tree;
}

}  // namespace potest

#endif
