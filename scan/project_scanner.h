#ifndef BRISVANE_SCAN_PROJECT_SCANNER_H
#define BRISVANE_SCAN_PROJECT_SCANNER_H

#include <QString>
#include <QStringList>

#include "scan/document_model.h"

/// Get mode's walk: appends a FileEntry for every source file under
/// `rootDir` (as typed), depth first, files before subdirectories, skipping
/// the names in `ignoreList`, and prints its progress.
void scanProject(QString rootDir, DocumentModel& model, QStringList ignoreList);

#endif
