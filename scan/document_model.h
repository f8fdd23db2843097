#ifndef BRISVANE_SCAN_DOCUMENT_MODEL_H
#define BRISVANE_SCAN_DOCUMENT_MODEL_H

#include <QList>
#include <QString>

/// One string literal of one source line: its text as it travels through the
/// document, its quote kind and its position in the file.
struct LineEntry {
  QString text;
  bool doubleQuoted = false;
  quint32 lineIndex = 0;     ///< 0-based line of the file.
  quint32 literalIndex = 0;  ///< 0-based among the literals of the line.
};

/// One named section of a source file; `name` is its whole header line.
struct ChunkEntry {
  QString name;
  QList<LineEntry> lines;
};

/// One source file; `name` is its base name (cut before the first dot).
struct FileEntry {
  QString name;
  QList<ChunkEntry> chunks;
};

/// The text of a project, file by file, in walk or document order.
using DocumentModel = QList<FileEntry>;

#endif
