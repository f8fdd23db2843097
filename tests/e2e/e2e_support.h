#ifndef BRISVANE_TESTS_E2E_E2E_SUPPORT_H
#define BRISVANE_TESTS_E2E_E2E_SUPPORT_H

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "process_run.h"
#include "test_files.h"

namespace e2e {

/// Runs the built tool with `arguments` in `workingDirectory` and waits for it.
inline ProcessRun runTool(const QStringList& arguments, const QString& workingDirectory) {
  return runProcess(QStringLiteral(BRISVANE_EXE), arguments, workingDirectory);
}

/// Get mode's arguments for the project game/ and the document `resFile`.
inline QStringList getArgs(const QString& format, const QString& resFile) {
  return {"--mode=get", "--format=" + format, "--root-dir=game", "--res-file=" + resFile};
}

/// New mode's arguments for the project game/, the document `inDoc` and the
/// copy `resDir`.
inline QStringList newArgs(const QString& format, const QString& inDoc, const QString& resDir) {
  return {"--mode=new", "--format=" + format, "--root-dir=game", "--in-doc=" + inDoc,
          "--res-dir=" + resDir};
}

/// Copies the tree below `from` (as testfiles::readTree lists it) into `to`.
/// False on the first failure.
bool copyTree(const QString& from, const QString& to);

/// `bytes` with every line feed that has no carriage return before it turned
/// into CR LF.
QByteArray withCrLf(QByteArray bytes);

/// A test with a work folder of its own, named as the tool prints paths (the
/// system resolves them).
class Workspace : public testing::Test {
 protected:
  QString at(const QString& relative) const { return work_ + QLatin1Char('/') + relative; }
  void write(const QString& relative, const QByteArray& bytes) {
    ASSERT_TRUE(testfiles::writeFile(at(relative), bytes)) << relative.toStdString();
  }
  QByteArray read(const QString& relative) const { return testfiles::readFile(at(relative)); }
  /// `bytes` with the work folder written as ${WORK}.
  std::string shown(QByteArray bytes) const {
    return bytes.replace(work_.toUtf8(), "${WORK}").toStdString();
  }

  QTemporaryDir temp_;
  const QString work_ = QDir(temp_.path()).canonicalPath();
};

}  // namespace e2e

#endif
