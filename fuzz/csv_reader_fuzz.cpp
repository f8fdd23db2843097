// New mode's reading of a corrected CSV document of any content: the
// normalisation, then the XML reading into a model. The fuzzer's own limits
// (-timeout, -rss_limit_mb) catch a hang or runaway memory.
#include "formats/csv_formatter.h"
#include "fuzz_support.h"
#include "patch/document_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  silenceConsole();
  const QString document = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
  DocumentModel model;
  readNormalisedDocument(csvFormatter.preprocess(document), model);
  return 0;
}
