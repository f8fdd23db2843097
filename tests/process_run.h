#ifndef BRISVANE_TESTS_PROCESS_RUN_H
#define BRISVANE_TESTS_PROCESS_RUN_H

#include <QByteArray>
#include <QString>
#include <QStringList>

/// What one run of a program left on its streams.
struct ProcessRun {
  bool finished = false;  ///< false when it did not start, crashed or did not end in time
  int exitCode = -1;
  QByteArray standardOutput;
  QByteArray standardError;
};

/// Runs `program` with `arguments` in `workingDirectory` under a UTF-8 locale
/// (the tools decode arguments and file names with the locale's codec) and
/// waits for it to end; `input` is written to its standard input, which is
/// then closed.
ProcessRun runProcess(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, int timeoutMs = 60000,
                      const QByteArray& input = QByteArray());

#endif
