#ifndef BRISVANE_CHECK_CLEAN_WRITER_H
#define BRISVANE_CHECK_CLEAN_WRITER_H

#include <QByteArray>

#include "formats/document_format.h"
#include "scan/document_model.h"

/// `model` written as get mode writes a document of `format`, byte for byte:
/// the main tool's own formatter and document writer, in the format's codec.
/// In CSV, a text new mode's reader would not take as it stands gets the
/// quotes that make it read as meant: an empty text is written as `""`
/// between the record's quotes, a text that starts and ends with a double
/// quote with one more quote on each side.
QByteArray writeCleanDocument(const DocumentModel& model, DocumentFormat format);

#endif
