#ifndef BRISVANE_PO_PLAY_PROCESS_H
#define BRISVANE_PO_PLAY_PROCESS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

/// How one shell command ended.
struct ShellResult {
  bool started = false;  ///< false: the shell could not be started (see `output`)
  bool timedOut = false;
  int exitCode = -1;   ///< -1 when it was killed by a signal
  QByteArray output;   ///< its standard output
  QByteArray errors;   ///< its standard error
  double seconds = 0;  ///< wall time
};

/// Runs `command` with `/bin/sh -c` in `folder`, standard input /dev/null,
/// and waits for it; after `timeoutSeconds` it is killed with every process
/// it started. Safe to call from several threads at once.
///
/// With `commands`, standard input is fed as a player types at an
/// interpreter that pages its output: each command (with its line break) when
/// the output ends at a prompt (a line holding ">" and nothing printed after
/// it for a moment), a line break for each "[More]" prompt, then end of
/// input. The output then shows each command after its prompt, as a replay
/// file shows it, whatever the length of the texts before it.
ShellResult runShell(const QString& command, const QString& folder, int timeoutSeconds,
                     const QStringList& commands = QStringList());

/// From now on, every command under way or to come is killed at once (as
/// after a timeout). Safe to call from a signal handler.
void stopShells();
/// True once stopShells() was called.
bool shellsStopped();

#endif
