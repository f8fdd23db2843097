#include "docread/tolerant_csv_reader.h"

#include <QRegExp>

#include "formats/csv_records.h"
#include "scan/byte_order_mark.h"
#include "scan/cp1251_codec.h"

namespace {

using namespace csvrecord;

const QChar kQuote = QLatin1Char('"');

/// One field with what is known of how it was written.
struct CsvField {
  QString text;
  bool quoted = false;         ///< it stood in double quotes
  bool doubledQuotes = false;  ///< being quoted, it held "" for a quote
};

struct CsvRecord {
  QList<CsvField> fields;
  int line = 0;  ///< 1-based line of the document where it starts

  /// The field at `index`; an empty one past the record's end.
  CsvField field(int index) const { return fields.value(index); }
};

bool endsRecord(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

// RFC 4180, with one leniency: what follows a closing quote up to the next
// separator stays part of the field, so a stray quote never swallows the
// rest of the document.
QList<CsvRecord> parseSpreadsheetForm(const QString& text, QChar separator) {
  QList<CsvRecord> records;
  const int size = text.size();
  int i = 0;
  int line = 1;
  while (i < size) {
    CsvRecord record;
    record.line = line;
    for (;;) {
      QString field;
      bool quoted = false;
      bool doubled = false;
      if (i < size && text[i] == kQuote) {
        const int start = i;
        const int startLine = line;
        quoted = true;
        ++i;
        bool closed = false;
        while (i < size && !closed) {
          const QChar c = text[i++];
          if (c == kQuote && i < size && text[i] == kQuote) {
            field += kQuote;
            doubled = true;
            ++i;
          } else if (c == kQuote) {
            closed = true;
          } else {
            if (c == QLatin1Char('\n')) ++line;
            field += c;
          }
        }
        if (!closed) {
          // A quote that never closes is a plain character: the field ends
          // at the next separator or line end like any other.
          i = start;
          line = startLine;
          field.clear();
          quoted = doubled = false;
        }
      }
      while (i < size && text[i] != separator && !endsRecord(text[i])) field += text[i++];
      record.fields << CsvField{field, quoted, doubled};
      if (i < size && text[i] == separator) {
        ++i;
        continue;
      }
      if (i < size && text[i] == QLatin1Char('\r')) ++i;
      if (i < size && text[i] == QLatin1Char('\n')) ++i;
      ++line;
      break;
    }
    records << record;
  }
  return records;
}

bool startsRecord(const QString& line) {
  return line.startsWith(textOf(kLine)) || line.startsWith(textOf(kFile)) ||
         line.startsWith(textOf(kChunk)) || line.startsWith(nameOf(kEndChunk));
}

// The form get mode writes: a LINE record's text runs from the quote after
// "LINE;" to the last quote before the three numeric fields, so it may hold
// quotes and separators; a text broken over several lines is joined again.
QList<CsvRecord> parseWrittenForm(const QString& text) {
  QRegExp matcher(textOf(kQuotedLine) + QStringLiteral("(.*)\";([^;]*);([^;]*);([^;]*)"));
  QList<CsvRecord> records;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    CsvRecord record;
    record.line = i + 1;
    QString line = lines[i];
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line.startsWith(textOf(kQuotedLine))) {
      QString joined = line;
      int last = i;
      while (!matcher.exactMatch(joined) && last + 1 < lines.size() &&
             !startsRecord(lines[last + 1])) {
        QString next = lines[++last];
        if (next.endsWith(QLatin1Char('\r'))) next.chop(1);
        joined += QLatin1Char('\n') + next;
      }
      if (matcher.exactMatch(joined)) {
        i = last;
        record.fields = {{nameOf(kLine)}, {matcher.cap(1), true}};
        for (int field = 2; field <= 4; ++field) record.fields << CsvField{matcher.cap(field)};
        records << record;
        continue;
      }
    }
    for (const QString& value : line.split(QLatin1Char(';'))) record.fields << CsvField{value};
    records << record;
  }
  return records;
}

bool isWrittenForm(const QString& text, QChar separator) {
  if (separator != QLatin1Char(';')) return false;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (QString line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    // A spreadsheet pads every record to the same number of fields and puts
    // a text without quotes or separators in no quotes at all.
    if (line.startsWith(kQuote) || line.endsWith(QLatin1Char(';'))) return false;
    if (line.startsWith(textOf(kLine)) && !line.startsWith(textOf(kQuotedLine))) {
      return false;
    }
  }
  return true;
}

class CsvInterpreter {
 public:
  CsvInterpreter(TolerantReading& reading, QChar separator)
      : reading_(reading), separator_(separator) {}

  void take(const CsvRecord& record) {
    const QString recordName = record.field(0).text.trimmed();
    if (recordName == nameOf(kFile) && !record.field(1).text.isEmpty()) {
      reading_.model.append(FileEntry());
      reading_.model.last().name = record.field(1).text;
    } else if (recordName == nameOf(kChunk) && !record.field(1).text.isEmpty()) {
      if (reading_.model.isEmpty()) {
        note(record, QStringLiteral("a CHUNK record stands before any FILE record"));
        return;
      }
      reading_.model.last().appendChunk(record.field(1).text);
    } else if (recordName == nameOf(kLine)) {
      takeLine(record);
    }
  }

 private:
  void takeLine(const CsvRecord& record) {
    LineEntry entry;
    bool lineOk = false;
    bool literalOk = false;
    entry.lineIndex = static_cast<quint32>(record.field(3).text.trimmed().toLongLong(&lineOk));
    entry.literalIndex =
        static_cast<quint32>(record.field(4).text.trimmed().toLongLong(&literalOk));
    entry.doubleQuoted = record.field(2).text.trimmed().toInt() > 0;
    if (!lineOk || !literalOk) {
      note(record, QStringLiteral("a LINE record's position is not two numbers"));
      return;
    }
    entry.text = record.field(1).text;
    QStringList quirks;
    if (entry.text.contains(QLatin1Char('\n')) || entry.text.contains(QLatin1Char('\r'))) {
      entry.text.replace(QRegExp(QStringLiteral("[\r\n]+")), QStringLiteral(" "));
      quirks << QStringLiteral("its text holds a line break");
    }
    if (!appendRow(reading_.model, entry)) {
      note(record, QStringLiteral("a LINE record stands before any FILE record"));
      return;
    }
    if (separator_ != QLatin1Char(';')) {
      quirks << QStringLiteral("its fields are separated by \"%1\", not by \";\"")
                    .arg(separator_ == QLatin1Char('\t') ? QStringLiteral("\\t")
                                                         : QString(separator_));
    }
    if (record.field(0).quoted) quirks << QStringLiteral("its record name stands in quotes");
    if (record.field(1).doubledQuotes) {
      quirks << QStringLiteral("the double quotes of its text are doubled");
    }
    if (record.field(2).quoted || record.field(3).quoted || record.field(4).quoted) {
      quirks << QStringLiteral("its numbers stand in quotes");
    }
    if (entry.text.isEmpty()) quirks << QStringLiteral("its text is empty");
    if (!quirks.isEmpty()) {
      reading_.quirks[rowKey(reading_.model.last().name, entry.lineIndex, entry.literalIndex)] +=
          quirks;
    }
  }

  void note(const CsvRecord& record, const QString& what) {
    reading_.notes << qMakePair(record.line, what);
  }

  TolerantReading& reading_;
  QChar separator_;
};

// UTF-8 after a UTF-8 byte-order mark, else code page 1251.
QString decodeCsvDocument(const QByteArray& bytes) {
  if (byteOrderMarkOf(bytes) == ByteOrderMark::Utf8) return QString::fromUtf8(bytes.mid(3));
  return decodeCp1251(bytes.constData(), bytes.size());
}

// The first of ";", "," and tab that stands outside double quotes, looking
// line by line from the title line on; ";" when there is none.
QChar detectSeparator(const QString& text) {
  bool quoted = false;
  for (const QChar c : text) {
    if (c == kQuote) {
      quoted = !quoted;
    } else if (c == QLatin1Char('\n')) {
      quoted = false;
    } else if (!quoted &&
               (c == QLatin1Char(';') || c == QLatin1Char(',') || c == QLatin1Char('\t'))) {
      return c;
    }
  }
  return QLatin1Char(';');
}

}  // namespace

TolerantReading readTolerantCsv(const QByteArray& bytes) {
  TolerantReading reading;
  const QString text = decodeCsvDocument(bytes);
  const QChar separator = detectSeparator(text);
  reading.getModeForm = isWrittenForm(text, separator);
  const QList<CsvRecord> records =
      reading.getModeForm ? parseWrittenForm(text) : parseSpreadsheetForm(text, separator);
  CsvInterpreter interpreter(reading, separator);
  for (const CsvRecord& record : records) interpreter.take(record);
  return reading;
}
