#ifndef BRISVANE_PO_PLAY_RUN_H
#define BRISVANE_PO_PLAY_RUN_H

#include <QTextStream>

#include "po/po_command_line.h"

/// Runs `brisvane-po play`: classifies every entry of the project's template
/// by building and playing copies of the game, writes the template with the
/// classes, and with --po and --report plays the translated copy and
/// reports where its texts come from. Returns the exit code.
int runPlay(const PoConfig& config, QTextStream& out, QTextStream& err);

#endif
