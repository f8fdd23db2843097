#include "po/apply_run.h"

int runApply(const PoConfig&, QTextStream&, QTextStream& err) {
  err << "brisvane-po: apply is not built yet\n";
  return 2;
}
