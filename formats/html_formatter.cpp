#include "formats/html_formatter.h"

#include <QTextStream>
#include <algorithm>

#include "console/decimal_text.h"

HtmlFormatter htmlFormatter;

namespace {

bool needsEscaping(QStringView text) {
  return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
    return c == QLatin1Char('&') || c == QLatin1Char('<') || c == QLatin1Char('>');
  });
}

}  // namespace

QString escapeCellText(QString text) {
  // Most texts hold none of the three characters; spare them three passes.
  if (!needsEscaping(text)) return text;
  text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
  text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
  text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
  return text;
}

void HtmlFormatter::setStreamCodec(QTextStream& stream) { stream.setCodec("UTF-8"); }

void HtmlFormatter::writeHeader(QTextStream& out) {
  out << "<!DOCTYPE html>    <html>      <head>        <meta charset=\"utf-8\">"
         "        <title>TADS doc</title>      </head>      <body>";
}

void HtmlFormatter::writeFileStart(QTextStream& out, QStringView name) {
  out << "<h1>" << name << "</h1>";
}

void HtmlFormatter::writeChunkStart(QTextStream& out, QStringView name) {
  out << "<h2>" << name << "</h2><table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>";
}

void HtmlFormatter::writeLine(QTextStream& out, QStringView text, bool doubleQuoted,
                              unsigned int lineIndex, unsigned int literalIndex) {
  // One piece per row: the stream's work per insertion outweighs the row's.
  QString row;
  row.reserve(text.size() + 64);
  row += QLatin1String("<tr><td>");
  if (needsEscaping(text)) {
    row += escapeCellText(text.toString());
  } else {
    row += text;
  }
  row += QLatin1String("</td><td width=10%>");
  row += QLatin1Char(doubleQuoted ? '"' : '\'');
  row += QLatin1Char('/');
  appendDecimal(row, lineIndex);
  row += QLatin1Char('/');
  appendDecimal(row, literalIndex);
  row += QLatin1String("</td></tr>");
  out << row;
}

void HtmlFormatter::writeChunkEnd(QTextStream& out, QStringView) {
  out << "</tbody></table><p>&nbsp;</p>";
}

void HtmlFormatter::writeFileEnd(QTextStream& out, QStringView) {
  out << "<p>&nbsp;</p><p>&nbsp;</p>";
}

void HtmlFormatter::writeFooter(QTextStream& out) { out << "</body></html>"; }
