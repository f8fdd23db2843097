#ifndef BRISVANE_DOCREAD_TOLERANT_READING_H
#define BRISVANE_DOCREAD_TOLERANT_READING_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "formats/document_format.h"
#include "scan/document_model.h"

/// What a tolerant reader took from a corrected document: the sections,
/// chunks and rows as the translator means them, and what it saw of an
/// editor's handling on the way.
struct TolerantReading {
  DocumentModel model;
  /// Per row (see rowKey): the shapes found in it that the main tool's
  /// reader does not expect, in words ("white space stands between ...").
  QHash<QString, QStringList> quirks;
  /// Rows no program can apply (no readable position, outside any section),
  /// as (document line, what).
  QList<QPair<int, QString>> notes;
  /// Headings and cells that hold markup, in document order, as
  /// (document line, what): where the main tool's reader stops.
  QList<QPair<int, QString>> markup;
  /// True when the texts had their layout white space collapsed (HTML), so
  /// that the white space at their edges may need the source's back.
  bool whiteSpaceCollapsed = false;
  /// True when a CSV document was read in the form get mode writes: texts
  /// between the first and the last quote of their record, nothing escaped.
  bool getModeForm = false;
};

/// Reads a corrected document of `format` with the reader for it.
TolerantReading readTolerantDocument(const QByteArray& bytes, DocumentFormat format);

/// The key of a row: its section's name and its position.
QString rowKey(const QString& section, quint32 lineIndex, quint32 literalIndex);

/// Splits "Q/L/N" (white space ignored, empty fields dropped). False unless
/// it has three fields and both numbers read as decimal integers.
bool parsePosition(QString options, LineEntry& entry);

/// Appends a row to the last chunk of the last section, opening an unnamed
/// chunk when the section has none yet. False (and nothing appended) when
/// no section was opened yet.
bool appendRow(DocumentModel& model, const LineEntry& entry);

#endif
