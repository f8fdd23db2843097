#ifndef BRISVANE_PO_EXTRACT_RUN_H
#define BRISVANE_PO_EXTRACT_RUN_H

#include <QTextStream>

#include "po/po_command_line.h"

/// Runs `brisvane-po extract`: writes the template of every text of the
/// project to `config.output` and nothing else. Returns the exit code.
int runExtract(const PoConfig& config, QTextStream& out, QTextStream& err);

#endif
