#include "check/document_format.h"

#include "formats/csv_formatter.h"
#include "formats/html_formatter.h"

SerializeFormatter& formatterFor(DocumentFormat format) {
  if (format == DocumentFormat::Html) return htmlFormatter;
  return csvFormatter;
}

const char* formatName(DocumentFormat format) {
  return format == DocumentFormat::Html ? "html" : "csv";
}
