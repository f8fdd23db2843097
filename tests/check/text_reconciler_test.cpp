#include "check/text_reconciler.h"

#include <gtest/gtest.h>

namespace {

TEST(ReconcileText, KeepsTheSourceWhereOnlyWhiteSpaceDiffersAndItsEdgesWhereTheTextChanged) {
  const struct {
    const char* document;
    const char* source;
    const char* meant;
  } cases[] = {
      {"Hello world", "Hello   world", "Hello   world"},  // unchanged: the source, exactly
      {"lead", "  lead", "  lead"},
      {"\xD0\x9C\xD1\x8E\xC2\xA0\xD0\x9D", "\xD0\x9C\xD1\x8E  \xD0\x9D",
       "\xD0\x9C\xD1\x8E  \xD0\x9D"},  // a non-breaking space counts as a space
      {"Bonjour", "Hello ", "Bonjour "},
      {" Bonjour", "\tHello ", " Bonjour "},
      {"Bonjour  le monde", "Hello", "Bonjour  le monde"},
      {"", "Hello", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QString::fromUtf8(c.meant),
              reconcileText(QString::fromUtf8(c.document), QString::fromUtf8(c.source)))
        << c.document;
  }
}

TEST(ReconcileWithProject, TakesQuoteKindsFromTheSourceAndLeavesUnknownRowsAlone) {
  TolerantReading reading;
  reading.whiteSpaceCollapsed = true;
  reading.model = {FileEntry{
      "start", {ChunkEntry{"c: T", {LineEntry{"Hi", true, 3, 0}, LineEntry{"x", true, 9, 0}}}}}};
  const QHash<QString, LineEntry> source = {{rowKey("start", 3, 0), LineEntry{" Hi", false, 3, 0}}};
  const DocumentModel meant = reconcileWithProject(reading, source);
  const LineEntry& known = meant[0].chunks[0].lines[0];
  const LineEntry& unknown = meant[0].chunks[0].lines[1];
  EXPECT_EQ(QString(" Hi"), known.text);
  EXPECT_FALSE(known.doubleQuoted);
  EXPECT_EQ(QString("x"), unknown.text);
  EXPECT_TRUE(unknown.doubleQuoted);
}

}  // namespace
