#ifndef BRISVANE_TESTS_PO_PO_TEST_SUPPORT_H
#define BRISVANE_TESTS_PO_PO_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include "po/po_catalog.h"
#include "process_run.h"
#include "test_files.h"

/// What the end-to-end tests of brisvane-po share: running it and the
/// gettext tools, and reading PO files.
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

}  // namespace potest

#endif
