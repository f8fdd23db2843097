#ifndef BRISVANE_PO_CHECK_RUN_H
#define BRISVANE_PO_CHECK_RUN_H

#include <QTextStream>

#include "po/po_command_line.h"

/// Runs `brisvane-po check`: checks every translation of `config.poFile` at
/// every place of the project its text stands, as apply would, and writes
/// nothing. Returns the exit code (1 when anything is refused).
int runCheck(const PoConfig& config, QTextStream& out, QTextStream& err);

#endif
