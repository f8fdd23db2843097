#ifndef BRISVANE_CHECK_STRICT_FORECAST_H
#define BRISVANE_CHECK_STRICT_FORECAST_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include "formats/document_format.h"
#include "scan/document_model.h"

/// What new mode would make of a document, found by running the main tool's
/// own normaliser and reader on it.
struct StrictForecast {
  DocumentModel model;  ///< exactly what new mode's reader yields
  /// Per row key (see rowKey): what the reader meets in the row. For HTML
  /// taken from the normalised page, so it describes what the reader sees.
  QHash<QString, QStringList> quirks;
  /// Why the reader stops before the end of the document, in words; empty
  /// when it reads to the end.
  QString stop;
};

/// Decodes `document` as new mode does (the format's codec, a byte-order
/// mark first), normalises it with the format's own clean-up and reads it
/// with the main tool's reader, printing nothing. `rawQuirks` (those of the
/// tolerant reading of the same bytes) stand for a CSV document's rows.
StrictForecast forecastStrictReading(const QByteArray& document, DocumentFormat format,
                                     const QHash<QString, QStringList>& rawQuirks);

#endif
