#include "process_run.h"

#include <QProcess>

ProcessRun runProcess(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, int timeoutMs,
                      const QByteArray& input) {
  ProcessRun run;
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", "C.UTF-8");
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(workingDirectory);
  process.start(program, arguments);
  const bool started = process.waitForStarted();
  if (started) {
    process.write(input);
    process.closeWriteChannel();
  }
  if (!started || !process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.finished = process.exitStatus() == QProcess::NormalExit;
  run.exitCode = process.exitCode();
  run.standardOutput = process.readAllStandardOutput();
  run.standardError = process.readAllStandardError();
  return run;
}
