// New mode's reading of a corrected HTML document of any content: the
// normalisation, held to the nine clean-up steps as the classic
// regular-expression engine performs them, then the XML reading into a
// model. The fuzzer's own limits (-timeout, -rss_limit_mb) catch a hang or
// runaway memory.
#include "formats/html_formatter.h"
#include "fuzz_support.h"
#include "reference_paths.h"

namespace {

// The engine rescans the rest of the text from every unclosed opening tag;
// past this size the comparison would cost more than it finds.
constexpr int kLargestCompared = 16384;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  silenceConsole();
  const QString document = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
  const QString normalised = htmlFormatter.preprocess(document);
  if (document.size() <= kLargestCompared) {
    require(normalised == reference::normaliseWithRegExps(document),
            "normalising does what the nine expressions do");
  }
  DocumentModel model;
  readNormalisedDocument(normalised, model);
  return 0;
}
