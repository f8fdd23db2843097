#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "check/check_command_line.h"
#include "check/check_run.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("brisvane-check"));
  QCoreApplication::setApplicationVersion(QStringLiteral(BRISVANE_VERSION));
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setCodec("UTF-8");
  err.setCodec("UTF-8");

  CheckConfig config;
  QString error;
  switch (parseCheckCommandLine(QCoreApplication::arguments(), config, error)) {
    case CheckRequest::Help:
      out << checkUsage();
      return 0;
    case CheckRequest::Version:
      out << "brisvane-check " << BRISVANE_VERSION << '\n';
      return 0;
    case CheckRequest::UsageError:
      err << "brisvane-check: " << error << "\nTry 'brisvane-check --help'.\n";
      return 2;
    case CheckRequest::Run:
      break;
  }
  return runCheck(config, out, err);
}
