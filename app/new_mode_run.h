#ifndef BRISVANE_APP_NEW_MODE_RUN_H
#define BRISVANE_APP_NEW_MODE_RUN_H

#include <QStringList>

#include "app/command_line.h"
#include "scan/document_model.h"

/// Reads the corrected document into `model`, makes the result directory
/// (one level, outcome not consulted) and writes the patched copy of the
/// project there. Returns 0 after "Finished", 1 when the document cannot be
/// opened for reading (and then nothing is created).
int runNewMode(const RunConfig& config, DocumentModel& model, QStringList ignoreList);

#endif
