#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "po/apply_run.h"
#include "po/check_run.h"
#include "po/extract_run.h"
#include "po/import_run.h"
#include "po/play_run.h"
#include "po/po_command_line.h"

#if defined(__SANITIZE_ADDRESS__)
// gettext's PO parser keeps no hold of the tokens of a line it cannot parse;
// a file that is no PO file loses some of them inside the library.
extern "C" const char* __lsan_default_suppressions() { return "leak:libgettextpo\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setCodec("UTF-8");
  err.setCodec("UTF-8");

  PoConfig config;
  QString error;
  QString topic;
  switch (parsePoCommandLine(QCoreApplication::arguments(), config, error, topic)) {
    case PoRequest::Help:
      out << poUsage(topic);
      return 0;
    case PoRequest::Version:
      out << "brisvane-po " << BRISVANE_VERSION << '\n';
      return 0;
    case PoRequest::UsageError:
      err << "brisvane-po: " << error << "\nTry 'brisvane-po --help'.\n";
      return 2;
    case PoRequest::Run:
      break;
  }
  switch (config.command) {
    case PoConfig::Command::Extract:
      return runExtract(config, out, err);
    case PoConfig::Command::Apply:
      return runApply(config, out, err);
    case PoConfig::Command::Check:
      return runCheck(config, out, err);
    case PoConfig::Command::Play:
      return runPlay(config, out, err);
    case PoConfig::Command::Import:
      break;
  }
  return runImport(config, out, err);
}
