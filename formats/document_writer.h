#ifndef BRISVANE_FORMATS_DOCUMENT_WRITER_H
#define BRISVANE_FORMATS_DOCUMENT_WRITER_H

#include "scan/document_model.h"

class QTextStream;
class SerializeFormatter;

/// Writes `model` through `formatter` in document order: header, per file
/// its start, per chunk its start, lines and end, the file's end, then the
/// footer. The stream's codec is the caller's business.
void writeDocument(QTextStream& out, const DocumentModel& model, SerializeFormatter& formatter);

/// writeDocument through the current formatter; nothing when none is
/// selected.
QTextStream& operator<<(QTextStream& out, const DocumentModel& model);

#endif
