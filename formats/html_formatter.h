#ifndef BRISVANE_FORMATS_HTML_FORMATTER_H
#define BRISVANE_FORMATS_HTML_FORMATTER_H

#include "formats/serialize_formatter.h"

/// The HTML page: UTF-8, one line, a heading per file and per chunk, a
/// two-cell table row per literal (text, then quote/line/literal position).
class HtmlFormatter : public SerializeFormatter {
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
  /// Nine fixed clean-up replacements that make a written or editor-saved
  /// page well-formed XHTML (see html_normaliser.cpp).
  QString preprocess(QString document) override;
};

extern HtmlFormatter htmlFormatter;

/// Escapes "&", "<" and ">" (in that order) for a table cell.
QString escapeCellText(QString text);

#endif
