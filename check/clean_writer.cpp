#include "check/clean_writer.h"

namespace {

// New mode's CSV reader skips a record whose text is empty and takes one
// quote off each end of a text that starts and ends with one.
DocumentModel withCsvQuotes(DocumentModel model) {
  const QChar quote = QLatin1Char('"');
  for (FileEntry& section : model) {
    section = rebuilt(section, [&](LineEntry row, FileEntry& copy) {
      if (row.text.isEmpty() || (row.text.startsWith(quote) && row.text.endsWith(quote))) {
        row.text = quote + row.text + quote;
      }
      copy.appendRow(row);
    });
  }
  return model;
}

}  // namespace

QByteArray writeCleanDocument(const DocumentModel& model, DocumentFormat format) {
  return writeDocument(format == DocumentFormat::Csv ? withCsvQuotes(model) : model, format);
}
