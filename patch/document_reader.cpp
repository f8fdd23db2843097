#include "patch/document_reader.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <climits>
#include <cstring>
#include <utility>

#include "console/console_line.h"
#include "console/decimal_text.h"
#include "formats/html_formatter.h"
#include "formats/serialize_formatter.h"
#include "patch/written_document_reader.h"

bool preprocessLogging = false;

namespace {

void savePreprocessed(const QString& xhtml) {
  QFile file(QStringLiteral("temp_preproc.html"));
  if (!file.open(QIODevice::WriteOnly)) return;
  QTextStream out(&file);
  out.setCodec("UTF-8");
  out << xhtml;
  out.flush();
  file.close();
}

// Text up to the matching end tag; a nested start tag puts the reader in
// error and yields what was gathered so far. Empty when not on a start tag.
QString elementText(QXmlStreamReader& xml) {
  return xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
}

// What the reader gathers while it reads: the records go into the model,
// each warning is kept with its place among the records' lines.
struct Reading {
  DocumentModel& model;
  QList<ReaderWarning> warnings;
  int records = 0;

  void warn(const QStringList& line) { warnings.append(ReaderWarning{records, line.first()}); }
};

void readFileHeading(QXmlStreamReader& xml, Reading& reading) {
  if (!reading.model.isEmpty()) reading.model.last().squeeze();
  reading.model.append(FileEntry());
  reading.model.last().name = elementText(xml);
  ++reading.records;
}

void readChunkHeading(QXmlStreamReader& xml, Reading& reading) {
  DocumentModel& model = reading.model;
  if (model.isEmpty()) {
    // A chunk heading before any file heading has no file to belong to.
    QStringList line;
    ConsoleLine(line) << "Warning! Chunk outside any file skipped: " << quoted(elementText(xml));
    reading.warn(line);
    return;
  }
  model.last().appendChunk(elementText(xml));
  ++reading.records;
}

// Q/L/N with empty fields dropped; false unless exactly three fields remain.
bool parseOptions(const QString& options, LineEntry& entry) {
  const QStringList fields = options.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  if (fields.size() != 3) return false;
  entry.doubleQuoted = fields[0] == QLatin1String("\"");
  // A number that does not parse reads as 0; "-1" wraps to 4294967295.
  entry.lineIndex = static_cast<quint32>(fields[1].toLongLong());
  entry.literalIndex = static_cast<quint32>(fields[2].toLongLong());
  return true;
}

void readRow(QXmlStreamReader& xml, Reading& reading) {
  DocumentModel& model = reading.model;
  LineEntry entry;
  xml.readNext();
  entry.text = elementText(xml);
  xml.readNext();
  const QString options = elementText(xml);
  QStringList line;
  if (!parseOptions(options, entry)) {
    ConsoleLine(line) << "Warning, cannot read line options: " << quoted(entry.text) << "("
                      << quoted(options) << ")";
  } else if (model.isEmpty() || model.last().chunks.isEmpty()) {
    // A row before any chunk heading of its file has no chunk to belong to.
    ConsoleLine(line) << "Warning! Line outside any chunk skipped: " << quoted(entry.text);
  } else {
    model.last().appendRow(entry);
    ++reading.records;
    return;
  }
  reading.warn(line);
}

// A document still in the form get mode writes is read from its bytes; any
// other is read again from its start the normalising way. The saved copy of
// the normalised text needs that way too.
bool readDirectly(QTextStream& in, SerializeFormatter* formatter, DocumentModel& model) {
  QIODevice* device = in.device();
  if (preprocessLogging || !device || device->isSequential() || device->pos() != 0) return false;
  if (readWrittenDocument(*device, formatter == &htmlFormatter, model)) {
    printReaderLines(model, {});
    return true;
  }
  model.clear();
  in.seek(0);
  return false;
}

// The line of a row, as ConsoleLine() << "ln: " << lineIndex << literalIndex
// would make it ("ln:  L N "): one per row of the document.
void printPositionLine(const LineRecord& row, AsciiLines& lines) {
  char* const line = lines.room(32);
  std::memcpy(line, "ln:  ", 5);
  char* end = writeDecimal(line + 5, row.lineIndex);
  *end++ = ' ';
  end = writeDecimal(end, row.literalIndex);
  *end++ = ' ';
  *end++ = '\n';
  lines.finishLine(end);
}

// "File name: " or "Chunk name: " and the name, as a console line of the
// two.
void printNameLine(const char* fixed, QStringView name, AsciiLines& lines) {
  if (lines.appendQuoted(fixed, name)) return;
  lines.flush();
  ConsoleLine() << fixed << quoted(name);
}

}  // namespace

QList<ReaderWarning> readNormalisedDocument(QString xhtml, DocumentModel& model) {
  Reading reading{model, {}, 0};
  QXmlStreamReader xml(xhtml);
  // The reader keeps its own encoded copy of the text; a document of many
  // megabytes need not be held twice while it is parsed.
  xhtml.clear();
  while (!xml.atEnd() && !xml.hasError()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringRef name = xml.name();
    if (name == QLatin1String("h1")) {
      readFileHeading(xml, reading);
    } else if (name == QLatin1String("h2")) {
      readChunkHeading(xml, reading);
    } else if (name == QLatin1String("tr")) {
      readRow(xml, reading);
    }
  }
  if (!model.isEmpty()) model.last().squeeze();
  return reading.warnings;
}

void printReaderLines(const DocumentModel& model, const QList<ReaderWarning>& warnings) {
  int record = 0;
  int next = 0;  // the next warning to print, placed before record `nextPlace`
  int nextPlace = warnings.isEmpty() ? INT_MAX : warnings.first().recordsBefore;
  AsciiLines lines;
  // Prints the warnings placed before the record about to be printed.
  const auto printWarnings = [&]() {
    while (nextPlace <= record) {
      lines.flush();
      printLines(QStringList(warnings[next].line));
      nextPlace = ++next < warnings.size() ? warnings[next].recordsBefore : INT_MAX;
    }
    ++record;
  };
  for (const FileEntry& file : model) {
    printWarnings();
    printNameLine("File name: ", file.name, lines);
    for (const ChunkEntry& chunk : file.chunks) {
      printWarnings();
      printNameLine("Chunk name: ", file.nameOf(chunk), lines);
      for (const LineRecord& row : file.rowsOf(chunk)) {
        printWarnings();
        printPositionLine(row, lines);
      }
    }
  }
  lines.flush();
  for (; next < warnings.size(); ++next) printLines(QStringList(warnings[next].line));
}

void readDocument(QTextStream& in, DocumentModel& model, SerializeFormatter& formatter) {
  model.clear();
  if (readDirectly(in, &formatter, model)) return;
  QString xhtml = formatter.preprocess(in.readAll());
  if (preprocessLogging) savePreprocessed(xhtml);
  const QList<ReaderWarning> warnings = readNormalisedDocument(std::move(xhtml), model);
  printReaderLines(model, warnings);
}

QTextStream& operator>>(QTextStream& in, DocumentModel& model) {
  if (SerializeFormatter* formatter = currentFormatter()) readDocument(in, model, *formatter);
  return in;
}
