#include "po/extract_run.h"

int runExtract(const PoConfig&, QTextStream&, QTextStream& err) {
  err << "brisvane-po: extract is not built yet\n";
  return 2;
}
