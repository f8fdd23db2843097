#ifndef BRISVANE_FORMATS_CSV_FORMATTER_H
#define BRISVANE_FORMATS_CSV_FORMATTER_H

#include <QString>

#include "formats/serialize_formatter.h"

/// The semicolon-separated file: code page 1251, one record per line ended by
/// a line feed, only the text of a LINE record in double quotes, nothing
/// escaped.
class CSVFormatter : public SerializeFormatter {
 public:
  void setStreamCodec(QTextStream& stream) override;
  void writeHeader(QTextStream& out) override;
  void writeFileStart(QTextStream& out, QStringView name) override;
  void writeChunkStart(QTextStream& out, QStringView name) override;
  void writeLine(QTextStream& out, QStringView text, bool doubleQuoted, unsigned int lineIndex,
                 unsigned int literalIndex) override;
  void writeChunkEnd(QTextStream& out, QStringView name) override;
  void writeFileEnd(QTextStream& out, QStringView name) override;
  void writeFooter(QTextStream& out) override;
  /// convertCsvToXhtml, printing its refusal.
  QString preprocess(QString document) override;
};

extern CSVFormatter csvFormatter;

/// What CSVFormatter::preprocess does, without printing: the records of a
/// CSV document converted into the XHTML grammar the reader parses, or an
/// empty text for a LINE record with a lone double quote, with the line new
/// mode prints for it in `refusal`.
QString convertCsvToXhtml(QString document, QString& refusal);

#endif
