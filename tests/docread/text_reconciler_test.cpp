#include "docread/text_reconciler.h"

#include <gtest/gtest.h>

#include "reference_paths.h"

namespace {

TEST(ReconcileText, KeepsTheSourceWhereOnlyWhiteSpaceDiffersAndItsEdgesWhereTheTextChanged) {
  const struct {
    const char* document;
    const char* source;
    const char* meant;
  } cases[] = {
      {"Hello world", "Hello   world", "Hello   world"},  // unchanged: the source, exactly
      {"\xD0\x9C\xD1\x8E\xC2\xA0\xD0\x9D", "\xD0\x9C\xD1\x8E  \xD0\x9D",
       "\xD0\x9C\xD1\x8E  \xD0\x9D"},  // a non-breaking space counts as a space
      {"Bonjour", "\tHello ", "\tBonjour "},
      {" Bonjour", "\tHello ", " Bonjour "},
      {"Bonjour  le monde", "Hello", "Bonjour  le monde"},
      {"", " Hello ", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        c.meant,
        reconcileText(QString::fromUtf8(c.document), QString::fromUtf8(c.source)).toStdString())
        << c.document;
  }
}

TEST(ReconcileWithProject, TakesQuoteKindsFromTheSourceAndWhiteSpaceOnlyWhereItWasCollapsed) {
  for (const bool collapsed : {true, false}) {
    TolerantReading reading;
    reading.whiteSpaceCollapsed = collapsed;
    reading.model = {reference::fileOf(
        "start", {{"c: T", {LineEntry{"Hi", true, 3, 0}, LineEntry{"x", true, 9, 0}}}})};
    const QList<LineEntry> rows =
        reconcileWithProject(reading, {{rowKey("start", 3, 0), LineEntry{" Hi", false, 3, 0}}})[0]
            .entries();
    EXPECT_EQ(collapsed ? " Hi" : "Hi", rows[0].text.toStdString());
    EXPECT_FALSE(rows[0].doubleQuoted);
    EXPECT_EQ("x", rows[1].text.toStdString());  // a row the project does not know: as read
    EXPECT_TRUE(rows[1].doubleQuoted);
  }
}

}  // namespace
