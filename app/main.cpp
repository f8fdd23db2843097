#include <QCoreApplication>

#include "app/command_line.h"
#include "app/run_driver.h"
#include "console/console_line.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  installConsoleHandler();
  RunConfig config;
  const ParseOutcome outcome = parseCommandLine(QCoreApplication::arguments(), config);
  if (outcome != ParseOutcome::Accepted) return exitCodeOf(outcome);
  return runDriver(config);
}
