#ifndef BRISVANE_TESTS_E2E_E2E_SUPPORT_H
#define BRISVANE_TESTS_E2E_E2E_SUPPORT_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "process_run.h"

namespace e2e {

using ToolRun = ProcessRun;

/// Runs the built tool with `arguments` in `workingDirectory` and waits for it.
inline ToolRun runTool(const QStringList& arguments, const QString& workingDirectory) {
  return runProcess(QStringLiteral(BRISVANE_EXE), arguments, workingDirectory);
}

/// A directory tree: "/"-separated path relative to the tree's root -> bytes.
/// A directory is listed as its path with a trailing "/" and no bytes.
using Tree = QMap<QString, QByteArray>;

/// Every file and directory below `root`, hidden ones included, except files
/// named ".gitkeep": they only keep an otherwise empty directory in git.
Tree readTree(const QString& root);

/// Copies the tree below `from` (as readTree lists it) into `to`. False on
/// the first failure.
bool copyTree(const QString& from, const QString& to);

/// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString& path);

/// Writes `bytes` as the whole content of `path`, creating its directories.
bool writeFile(const QString& path, const QByteArray& bytes);

/// `text` encoded in code page 1251.
QByteArray toCp1251(const QString& text);

/// `bytes` with every line feed that has no carriage return before it turned
/// into CR LF.
QByteArray withCrLf(QByteArray bytes);

}  // namespace e2e

#endif
