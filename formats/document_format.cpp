#include "formats/document_format.h"

#include <QTextStream>

#include "formats/csv_formatter.h"
#include "formats/document_writer.h"
#include "formats/html_formatter.h"

SerializeFormatter& formatterFor(DocumentFormat format) {
  if (format == DocumentFormat::Html) return htmlFormatter;
  return csvFormatter;
}

const char* formatName(DocumentFormat format) {
  return format == DocumentFormat::Html ? "html" : "csv";
}

bool parseFormatName(const QString& name, DocumentFormat& format) {
  for (DocumentFormat known : {DocumentFormat::Html, DocumentFormat::Csv}) {
    if (name == QLatin1String(formatName(known))) {
      format = known;
      return true;
    }
  }
  return false;
}

int formatIndexOf(DocumentFormat format) { return format == DocumentFormat::Html ? 0 : 1; }

QByteArray writeDocument(const DocumentModel& model, DocumentFormat format) {
  QByteArray bytes;
  QTextStream out(&bytes, QIODevice::WriteOnly);
  SerializeFormatter& formatter = formatterFor(format);
  formatter.setStreamCodec(out);
  writeDocument(out, model, formatter);
  out.flush();
  return bytes;
}
