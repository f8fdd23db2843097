#ifndef BRISVANE_SCAN_CHUNK_DETECTOR_H
#define BRISVANE_SCAN_CHUNK_DETECTOR_H

#include <QList>
#include <QString>
#include <QStringList>

#include "scan/document_model.h"

/// True when the whole line matches one of the four chunk header patterns
/// (a function, an object or class definition, a modify or a replace block).
bool isChunkHeader(const QString& line);

/// isChunkHeader for a line that is a piece of a larger text.
bool isChunkHeader(const QStringRef& line);

/// Cuts a file's decoded text at line feeds into chunks that start at header
/// lines, each with the literals of its collected lines. Lines before the
/// first header are dropped; a header line is collected into the chunk
/// before it; a chunk for which no line was collected is not emitted. The
/// chunks go to `file`, the multi-line warnings of its lines to `warnings`.
void detectChunks(const QString& text, FileEntry& file, QStringList& warnings);

#endif
