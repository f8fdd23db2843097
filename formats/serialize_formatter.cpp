#include "formats/serialize_formatter.h"

#include "formats/document_format.h"

int formatIndex = 1;

void setFormatIndex(int index) { formatIndex = index; }

SerializeFormatter* currentFormatter() {
  for (const DocumentFormat format : {DocumentFormat::Html, DocumentFormat::Csv}) {
    if (formatIndexOf(format) == formatIndex) return &formatterFor(format);
  }
  return nullptr;
}
