#include "patch/document_reader.h"

#include <gtest/gtest.h>

#include "formats/html_formatter.h"
#include "reference_paths.h"

namespace {

// Reads `body` as an HTML page into a model that holds one stale file.
QString read(const QString& body) {
  QString document = "<html><body>" + body + "</body></html>";
  QTextStream in(&document, QIODevice::ReadOnly);
  DocumentModel model{reference::fileOf("stale", {})};
  ConsoleCapture console;
  readDocument(in, model, htmlFormatter);
  return reference::described(model);
}

// The quote field never reaches a copy (the patcher keeps each literal's own
// quotes), so only the model shows it: double only for one double quote.
TEST(DocumentReader, ReadsTheQuoteField) {
  for (const char* options : {"\"/4/2", "'/4/2", "x/4/2", "\"\"/4/2"}) {
    EXPECT_EQ(read(QString("<h1>f</h1><h2>c</h2><tr><td>t</td><td>%1</td></tr>").arg(options)),
              QString("F 1 f\nC 1 c\nL %1 4 2 1 t\n").arg(options == std::string("\"/4/2")))
        << options;
  }
}

}  // namespace
