#include "formats/serialize_formatter.h"

#include "formats/csv_formatter.h"
#include "formats/html_formatter.h"

int formatIndex = 1;

void setFormatIndex(int index) { formatIndex = index; }

SerializeFormatter* currentFormatter() {
  switch (formatIndex) {
    case 0:
      return &htmlFormatter;
    case 1:
      return &csvFormatter;
    default:
      return nullptr;
  }
}
