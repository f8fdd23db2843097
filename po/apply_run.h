#ifndef BRISVANE_PO_APPLY_RUN_H
#define BRISVANE_PO_APPLY_RUN_H

#include <QTextStream>

#include "po/po_command_line.h"

/// Runs `brisvane-po apply`: writes the translated copy of the project into
/// `config.resDir`, whole or not at all. Returns the exit code.
int runApply(const PoConfig& config, QTextStream& out, QTextStream& err);

#endif
