#ifndef BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H
#define BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <ostream>

#include "scan/document_model.h"

/// Lets a failing comparison of two texts show them as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace checktest {

/// What one run of a program left behind.
struct ProgramRun {
  bool finished = false;  ///< false when it did not start, crashed or ran out of time
  int exitCode = -1;
  QByteArray standardOutput;
  QByteArray standardError;
};

/// Runs `program` with `arguments` in `workingDirectory` and waits for it.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, int timeoutMs = 60000);

/// A directory tree: "/"-separated relative path -> bytes; a directory is
/// its path with a trailing "/" and no bytes.
using Tree = QMap<QString, QByteArray>;

/// Every file and directory below `root`.
Tree readTree(const QString& root);

/// Writes every file of `tree` below `root`, making directories as needed.
void writeTree(const QString& root, const Tree& tree);

/// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString& path);

/// A model as one line per section, chunk and row: "F name", "C name" and
/// "R Q/L/N text" (Q is " or '), for comparing readings.
QString dumpModel(const DocumentModel& model);

/// The path of a fixture below tests/check/fixtures.
QString fixture(const QString& relative);

}  // namespace checktest

#endif
