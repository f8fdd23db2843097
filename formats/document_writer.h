#ifndef BRISVANE_FORMATS_DOCUMENT_WRITER_H
#define BRISVANE_FORMATS_DOCUMENT_WRITER_H

#include "scan/document_model.h"

class QTextStream;

/// Writes `model` through the current formatter in document order: header,
/// per file its start, per chunk its start, lines and end, the file's end,
/// then the footer. Writes nothing when no formatter is selected. The stream's
/// codec is the caller's business.
QTextStream& operator<<(QTextStream& out, const DocumentModel& model);

#endif
