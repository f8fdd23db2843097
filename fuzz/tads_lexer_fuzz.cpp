// The TADS lexer on any bytes, in both dialects: no crash, hang or runaway
// memory, and the invariants the apply step relies on (brokenInvariant):
// every literal between quotes of its kind at exact offsets, in order, its
// parts inside its body, and its body, read back on its own, one literal
// with the same text and parts.
#include "fuzz_support.h"
#include "tadslex/literal_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray source(reinterpret_cast<const char*>(data), int(size));
  for (TadsDialect dialect : {TadsDialect::Tads3, TadsDialect::Tads2}) {
    const QString broken = brokenInvariant(source, lexTads(source, dialect), dialect);
    require(broken.isEmpty(), qPrintable(broken));
  }
  return 0;
}
