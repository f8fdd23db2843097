// The reading side of the CSV format: CSVFormatter::preprocess.
#include <QStringList>
#include <utility>

#include "console/console_line.h"
#include "formats/csv_formatter.h"
#include "formats/csv_records.h"
#include "formats/html_formatter.h"

namespace {

const QChar kQuote = QLatin1Char('"');
const QChar kSeparator = QLatin1Char(';');

// The fields of a LINE record whose text stands in double quotes: the text
// runs from the first to the last double quote, so it may hold separators
// and quotes; the numeric fields follow the last quote. False for a record
// with a lone double quote.
bool splitQuotedLine(const QString& line, QStringList& fields) {
  const int first = line.indexOf(kQuote);
  const int last = line.lastIndexOf(kQuote);
  if (last <= first) return false;
  fields << csvrecord::nameOf(csvrecord::kLine) << line.mid(first + 1, last - first - 1);
  fields += line.mid(last + 1).split(kSeparator, Qt::SkipEmptyParts);
  return true;
}

QString tableRow(const QStringList& fields) {
  QString text = fields[1];
  if (text.startsWith(kQuote) && text.endsWith(kQuote)) {
    text.remove(0, 1);
    text.chop(1);
  }
  const QChar quoteMark = fields[2].toInt() > 0 ? kQuote : QLatin1Char('\'');
  QString literalIndex = fields[4];
  literalIndex.remove(QLatin1Char('\r'));
  literalIndex.remove(QLatin1Char('\n'));
  return QStringLiteral("<tr><td>") + escapeCellText(text) + QStringLiteral("</td><td>") +
         quoteMark + QLatin1Char('/') + fields[3] + QLatin1Char('/') + literalIndex +
         QStringLiteral("</td></tr>");
}

}  // namespace

QString CSVFormatter::preprocess(QString document) {
  QString refusal;
  const QString html = convertCsvToXhtml(std::move(document), refusal);
  if (!refusal.isEmpty()) printLines(QStringList(refusal));
  return html;
}

QString convertCsvToXhtml(QString document, QString& refusal) {
  using namespace csvrecord;
  QString html = QStringLiteral("<!DOCTYPE html><html><head></head><body>");
  const QStringList lines = document.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (QString line : lines) {
    // A spreadsheet that saves with CR LF line ends leaves a carriage return
    // at the end of every record; without this, names would keep it and the
    // END CHUNK records would go unrecognised.
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);

    QStringList fields;
    if (line.startsWith(nameOf(kLine)) && line.contains(kQuote)) {
      if (!splitQuotedLine(line, fields)) {
        QStringList lines;
        ConsoleLine(lines) << "Cannot preparse complex line: " << quoted(line);
        refusal = lines.first();
        return QString();
      }
    } else {
      fields = line.split(kSeparator, Qt::SkipEmptyParts);
    }
    if (fields.isEmpty()) continue;

    const QString& record = fields[0];
    if (record == nameOf(kFile) && fields.size() >= 2) {
      html += QStringLiteral("<h1>") + fields[1] + QStringLiteral("</h1>");
    } else if (record == nameOf(kChunk) && fields.size() >= 2) {
      html += QStringLiteral("<h2>") + fields[1] + QStringLiteral("</h2><table>");
    } else if (record == nameOf(kEndChunk)) {
      html += QStringLiteral("</table>");
    } else if (record == nameOf(kLine) && fields.size() >= 5 && !fields[1].isEmpty()) {
      html += tableRow(fields);
    }
  }
  html += QStringLiteral("</body></html>");
  return html;
}
