#include "patch/document_reader.h"

#include <gtest/gtest.h>

#include <QTextStream>

#include "console_capture.h"
#include "formats/serialize_formatter.h"

namespace {

// Reads `body` as an HTML page with format `index` selected (2: none) into a
// model that holds one stale file; the selected format is restored after.
DocumentModel read(const QString& body, int index) {
  const int saved = formatIndex;
  setFormatIndex(index);
  QString document = "<html><body>" + body + "</body></html>";
  QTextStream in(&document, QIODevice::ReadOnly);
  DocumentModel model{FileEntry{"stale", {}}};
  ConsoleCapture console;
  in >> model;
  setFormatIndex(saved);
  return model;
}

TEST(DocumentReader, WithoutAFormatReadsNothingAndKeepsTheModel) {
  const DocumentModel model = read("<h1>f</h1>", 2);
  ASSERT_EQ(model.size(), 1);
  EXPECT_EQ(model[0].name, "stale");
}

// The quote field never reaches a copy (the patcher keeps each literal's own
// quotes), so only the model shows it.
TEST(DocumentReader, QuoteFieldIsDoubleOnlyForOneDoubleQuote) {
  for (const char* options : {"\"/4/2", "'/4/2", "x/4/2", "\"\"/4/2"}) {
    const DocumentModel model =
        read(QString("<h1>f</h1><h2>c</h2><tr><td>t</td><td>%1</td></tr>").arg(options), 0);
    ASSERT_EQ(model.size(), 1) << options;
    ASSERT_EQ(model[0].chunks.size(), 1) << options;
    ASSERT_EQ(model[0].chunks[0].lines.size(), 1) << options;
    EXPECT_EQ(model[0].chunks[0].lines[0].doubleQuoted, std::string(options) == "\"/4/2")
        << options;
  }
}

}  // namespace
