#ifndef BRISVANE_TESTS_E2E_E2E_SUPPORT_H
#define BRISVANE_TESTS_E2E_E2E_SUPPORT_H

#include <QByteArray>
#include <QString>
#include <QStringList>

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

/// `text` encoded in code page 1251.
QByteArray toCp1251(const QString& text);

/// `bytes` with every line feed that has no carriage return before it turned
/// into CR LF.
QByteArray withCrLf(QByteArray bytes);

}  // namespace e2e

#endif
