#ifndef BRISVANE_PATCH_PATCH_WALK_H
#define BRISVANE_PATCH_PATCH_WALK_H

#include <QDir>
#include <QStringList>

#include "scan/document_model.h"

/// New mode's walk: visits `sourceDir` like get mode's walk and writes every
/// source file that has a FileEntry (first entry of its base name) into the
/// mirror position under `resultDir`, corrected, in code page 1251 with CR LF
/// line ends. A file without an entry prints "Error: no such file" and ends
/// the walk of its directory. A copy that cannot be opened is skipped; a write
/// that fails after that (a full disk) prints the write error, removes that
/// copy and stops the whole walk: false then, true otherwise. The source tree
/// is only read.
bool patchDirectory(QDir sourceDir, const DocumentModel& model, QStringList ignoreList,
                    QDir resultDir);

/// Applies every entry of `file` to `lines` in model order; entries past the
/// last line are skipped.
void patchLines(QStringList& lines, const FileEntry& file);

#endif
