#include "formats/csv_formatter.h"

#include <QTextStream>

#include "console/decimal_text.h"
#include "formats/csv_records.h"
#include "scan/cp1251_codec.h"

CSVFormatter csvFormatter;

void CSVFormatter::setStreamCodec(QTextStream& stream) { stream.setCodec(kCp1251CodecName); }

using namespace csvrecord;

void CSVFormatter::writeHeader(QTextStream& out) { out << textOf(kTitle); }

void CSVFormatter::writeFileStart(QTextStream& out, QStringView name) {
  out << textOf(kFile) << name << '\n';
}

void CSVFormatter::writeChunkStart(QTextStream& out, QStringView name) {
  out << textOf(kChunk) << name << '\n';
}

void CSVFormatter::writeLine(QTextStream& out, QStringView text, bool doubleQuoted,
                             unsigned int lineIndex, unsigned int literalIndex) {
  // One piece per row: the stream's work per insertion outweighs the row's.
  QString row;
  row.reserve(text.size() + 40);
  row += textOf(kQuotedLine);
  row += text;
  row += QLatin1String("\";");
  row += QLatin1Char(doubleQuoted ? '1' : '0');
  row += QLatin1Char(';');
  appendDecimal(row, lineIndex);
  row += QLatin1Char(';');
  appendDecimal(row, literalIndex);
  row += QLatin1Char('\n');
  out << row;
}

void CSVFormatter::writeChunkEnd(QTextStream& out, QStringView) { out << textOf(kEndChunk); }

void CSVFormatter::writeFileEnd(QTextStream& out, QStringView) { out << "\n\n"; }

void CSVFormatter::writeFooter(QTextStream& out) { out << '\n'; }
