// A tolerant reader of docread/ on any bytes, built once per format
// (TOLERANT_CSV: the CSV reader, else the HTML one): no crash, hang or
// runaway memory, no text keeps a line break (the CSV reader turns one into
// a space, the HTML reader collapses layout white space), and every quirk
// names a row it read.
#include <QSet>

#include "docread/tolerant_csv_reader.h"
#include "docread/tolerant_html_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  silenceConsole();
  const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
#ifdef TOLERANT_CSV
  const TolerantReading reading = readTolerantCsv(bytes);
#else
  const TolerantReading reading = readTolerantHtml(bytes);
#endif
  QSet<QString> rows;
  for (const FileEntry& file : reading.model) {
    for (const LineRecord& row : file.rows) {
      const QStringView text = file.textOf(row);
      require(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')),
              "no text keeps a line break");
      rows.insert(rowKey(file.name, row.lineIndex, row.literalIndex));
    }
  }
  for (auto it = reading.quirks.cbegin(); it != reading.quirks.cend(); ++it)
    require(rows.contains(it.key()), "every quirk names a row read");
  return 0;
}
