#include "check/clean_writer.h"

#include <QTextStream>

#include "formats/document_writer.h"
#include "formats/serialize_formatter.h"

namespace {

// New mode's CSV reader skips a record whose text is empty and takes one
// quote off each end of a text that starts and ends with one.
DocumentModel withCsvQuotes(DocumentModel model) {
  const QChar quote = QLatin1Char('"');
  for (FileEntry& section : model) {
    for (ChunkEntry& chunk : section.chunks) {
      for (LineEntry& row : chunk.lines) {
        if (row.text.isEmpty() || (row.text.startsWith(quote) && row.text.endsWith(quote))) {
          row.text = quote + row.text + quote;
        }
      }
    }
  }
  return model;
}

}  // namespace

QByteArray writeCleanDocument(const DocumentModel& model, DocumentFormat format) {
  // The document writer writes through the process-wide format choice; this
  // tool makes it once per document and puts it back after.
  const int previous = formatIndex;
  setFormatIndex(format == DocumentFormat::Html ? 0 : 1);
  QByteArray bytes;
  {
    QTextStream out(&bytes, QIODevice::WriteOnly);
    currentFormatter()->setStreamCodec(out);
    out << (format == DocumentFormat::Csv ? withCsvQuotes(model) : model);
    out.flush();
  }
  setFormatIndex(previous);
  return bytes;
}
