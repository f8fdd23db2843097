#include "patch/document_reader.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <utility>

#include "console/console_line.h"
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

void readFileHeading(QXmlStreamReader& xml, DocumentModel& model) {
  model.append(FileEntry());
  const QString name = elementText(xml);
  ConsoleLine() << "File name: " << quoted(name);
  model.last().name = name;
}

void readChunkHeading(QXmlStreamReader& xml, DocumentModel& model) {
  if (model.isEmpty()) {
    // A chunk heading before any file heading has no file to belong to.
    ConsoleLine() << "Warning! Chunk outside any file skipped: " << quoted(elementText(xml));
    return;
  }
  QList<ChunkEntry>& chunks = model.last().chunks;
  chunks.append(ChunkEntry());
  const QString name = elementText(xml);
  ConsoleLine() << "Chunk name: " << quoted(name);
  chunks.last().name = name;
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

void readRow(QXmlStreamReader& xml, DocumentModel& model) {
  LineEntry entry;
  xml.readNext();
  entry.text = elementText(xml);
  // The reader grows element text with room to spare; the model keeps
  // every row of the document, so hold each text at its own size.
  entry.text.squeeze();
  xml.readNext();
  const QString options = elementText(xml);
  if (!parseOptions(options, entry)) {
    ConsoleLine() << "Warning, cannot read line options: " << quoted(entry.text) << "("
                  << quoted(options) << ")";
    return;
  }
  if (model.isEmpty() || model.last().chunks.isEmpty()) {
    // A row before any chunk heading of its file has no chunk to belong to.
    ConsoleLine() << "Warning! Line outside any chunk skipped: " << quoted(entry.text);
    return;
  }
  model.last().chunks.last().lines.append(entry);
  ConsoleLine() << "ln: " << entry.lineIndex << entry.literalIndex;
}

// The lines the normalising reader prints for a document that it reads
// whole and without a warning, in document order.
void announceRecords(const DocumentModel& model) {
  for (const FileEntry& file : model) {
    ConsoleLine() << "File name: " << quoted(file.name);
    for (const ChunkEntry& chunk : file.chunks) {
      ConsoleLine() << "Chunk name: " << quoted(chunk.name);
      for (const LineEntry& row : chunk.lines) {
        ConsoleLine() << "ln: " << row.lineIndex << row.literalIndex;
      }
    }
  }
}

// A document still in the form get mode writes is read from its bytes; any
// other is read again from its start the normalising way. The saved copy of
// the normalised text needs that way too.
bool readDirectly(QTextStream& in, SerializeFormatter* formatter, DocumentModel& model) {
  QIODevice* device = in.device();
  if (preprocessLogging || !device || device->isSequential() || device->pos() != 0) return false;
  const bool html = formatter == &htmlFormatter;
  {
    const QByteArray bytes = device->readAll();
    if (readWrittenDocument(bytes, html, model)) {
      announceRecords(model);
      return true;
    }
  }
  model.clear();
  in.seek(0);
  return false;
}

}  // namespace

void readNormalisedDocument(QString xhtml, DocumentModel& model) {
  QXmlStreamReader xml(xhtml);
  // The reader keeps its own encoded copy of the text; a document of many
  // megabytes need not be held twice while it is parsed.
  xhtml.clear();
  while (!xml.atEnd() && !xml.hasError()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringRef name = xml.name();
    if (name == QLatin1String("h1")) {
      readFileHeading(xml, model);
    } else if (name == QLatin1String("h2")) {
      readChunkHeading(xml, model);
    } else if (name == QLatin1String("tr")) {
      readRow(xml, model);
    }
  }
}

QTextStream& operator>>(QTextStream& in, DocumentModel& model) {
  SerializeFormatter* formatter = currentFormatter();
  if (!formatter) return in;
  model.clear();
  if (readDirectly(in, formatter, model)) return in;
  QString xhtml = formatter->preprocess(in.readAll());
  if (preprocessLogging) savePreprocessed(xhtml);
  readNormalisedDocument(std::move(xhtml), model);
  return in;
}
