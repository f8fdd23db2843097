#ifndef BRISVANE_PATCH_PATCH_WALK_H
#define BRISVANE_PATCH_PATCH_WALK_H

#include <QString>
#include <QStringList>

#include "scan/document_model.h"

/// New mode's walk: walks `rootDir` like get mode's walk and writes every
/// source file that has a FileEntry (findFileEntry) into the mirror position
/// under `resultDir` (its subfolders made as the walk enters them), corrected, in code page 1251
/// with CR LF line ends. A file without an entry prints "Error: no such file" and ends the walk of
/// its directory. A copy that cannot be opened is skipped; a write that fails after that (a full
/// disk) prints the write error, removes that copy and stops the whole walk: false then, true
/// otherwise. The source tree is only read.
bool patchProject(const QString& rootDir, const DocumentModel& model, const QStringList& ignoreList,
                  const QString& resultDir);

/// The entry new mode patches a source file of base name `baseName` from:
/// the first of that name (those after it are never used), or null.
const FileEntry* findFileEntry(const DocumentModel& model, const QString& baseName);

/// Applies every entry of `file` to `lines` in model order; entries past the
/// last line are skipped. Returns the warnings new mode prints for it.
QStringList patchLines(QStringList& lines, const FileEntry& file);

#endif
