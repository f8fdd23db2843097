#ifndef BRISVANE_TESTS_E2E_E2E_SUPPORT_H
#define BRISVANE_TESTS_E2E_E2E_SUPPORT_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace e2e {

/// What one run of the built tool left on its streams.
struct ToolRun {
  bool finished = false;  ///< false when it did not start, crashed or did not end in time
  int exitCode = -1;
  QByteArray standardOutput;
  QByteArray standardError;
};

/// Runs the built tool with `arguments` in `workingDirectory` under a UTF-8
/// locale and waits for it to end.
ToolRun runTool(const QStringList& arguments, const QString& workingDirectory);

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
