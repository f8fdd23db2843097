#ifndef BRISVANE_CHECK_PROGRESS_TABLE_H
#define BRISVANE_CHECK_PROGRESS_TABLE_H

#include <QList>
#include <QString>

#include "check/project_tree.h"
#include "scan/document_model.h"

/// How far the translation of one source file has come.
struct FileProgress {
  QString path;
  int rows = 0;          ///< literals get mode would write for it today
  int inDocument = 0;    ///< rows of its section in the document
  int changed = 0;       ///< rows whose text differs from the source
  int words = 0;         ///< words of its literals in the source
  int changedWords = 0;  ///< words of the changed rows, as corrected
};

/// One line per source file, in walk order, comparing the first section of
/// its base name with a fresh scan.
QList<FileProgress> measureProgress(const SourceFolder& root, const DocumentModel& meant);

/// The table, with a header line and a total line, columns aligned.
QString renderProgress(const QList<FileProgress>& files);

#endif
