#ifndef BRISVANE_PO_IMPORT_RUN_H
#define BRISVANE_PO_IMPORT_RUN_H

#include <QTextStream>

#include "po/po_command_line.h"

/// Runs `brisvane-po import`: a corrected get-mode document becomes a PO file.
/// Messages for the user go to `out` and `err`. Returns the exit code
/// (0 ok; 1 rows or files reported, or a file that cannot be read or
/// written; 2 a root folder that is not one).
int runImport(const PoConfig& config, QTextStream& out, QTextStream& err);

#endif
