#ifndef BRISVANE_FORMATS_DOCUMENT_FORMAT_H
#define BRISVANE_FORMATS_DOCUMENT_FORMAT_H

#include <QByteArray>
#include <QString>

#include "scan/document_model.h"

class SerializeFormatter;

/// The two kinds of document.
enum class DocumentFormat { Html, Csv };

/// The formatter that writes (and normalises) documents of `format`.
SerializeFormatter& formatterFor(DocumentFormat format);

/// "html" or "csv".
const char* formatName(DocumentFormat format);

/// Reads "html" or "csv" into `format`; false for any other text.
bool parseFormatName(const QString& name, DocumentFormat& format);

/// The process-wide format index that selects `format`.
int formatIndexOf(DocumentFormat format);

/// `model` written as get mode writes a document of `format`, in its codec.
QByteArray writeDocument(const DocumentModel& model, DocumentFormat format);

#endif
