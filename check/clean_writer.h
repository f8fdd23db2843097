#ifndef BRISVANE_CHECK_CLEAN_WRITER_H
#define BRISVANE_CHECK_CLEAN_WRITER_H

#include <QByteArray>

#include "check/document_format.h"
#include "scan/document_model.h"

/// `model` written as get mode writes a document of `format`, byte for byte:
/// the main tool's own formatter and document writer, in the format's codec.
QByteArray writeCleanDocument(const DocumentModel& model, DocumentFormat format);

#endif
