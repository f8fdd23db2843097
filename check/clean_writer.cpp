#include "check/clean_writer.h"

#include <QTextStream>

#include "formats/document_writer.h"
#include "formats/serialize_formatter.h"

QByteArray writeCleanDocument(const DocumentModel& model, DocumentFormat format) {
  // The document writer writes through the process-wide format choice; this
  // tool makes it once per document and puts it back after.
  const int previous = formatIndex;
  setFormatIndex(format == DocumentFormat::Html ? 0 : 1);
  QByteArray bytes;
  {
    QTextStream out(&bytes, QIODevice::WriteOnly);
    currentFormatter()->setStreamCodec(out);
    out << model;
    out.flush();
  }
  setFormatIndex(previous);
  return bytes;
}
