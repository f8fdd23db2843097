#ifndef BRISVANE_DOCREAD_TOLERANT_CSV_READER_H
#define BRISVANE_DOCREAD_TOLERANT_CSV_READER_H

#include <QByteArray>

#include "docread/tolerant_reading.h"

/// Reads a corrected CSV document in code page 1251, or in UTF-8 when it
/// starts with a byte-order mark. The separator (";", "," or tab) is taken
/// from the first line that holds one. A document in the form get mode
/// writes (texts between the first and the last double quote of a LINE
/// record, nothing else quoted, no padding) is read in that form; any other
/// is read by RFC 4180 rules: quoted fields, doubled quotes, line breaks
/// inside quotes, CR LF or LF record ends. A line break inside a text
/// becomes one space. Each row's quirks say what in it the main tool's
/// reader would stumble on.
TolerantReading readTolerantCsv(const QByteArray& bytes);

#endif
