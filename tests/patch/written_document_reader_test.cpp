#include "patch/written_document_reader.h"

#include <gtest/gtest.h>

#include "reference_paths.h"

namespace {

using reference::described;
using reference::readBack;
using reference::writtenDocument;

// Texts that travel through both forms unchanged: entities and markup in
// the source, quotes and separators, Cyrillic, a tab, an empty literal.
DocumentModel trickyModel() {
  const QString cyrillic = QString::fromUtf8("\xd1\x87\xd0\xb0\xd0\xb9\t\xe2\x84\x96 &lt;");
  return {FileEntry{"start",
                    {ChunkEntry{"kitchen",
                                {{"The kettle is <b>hot</b> & steaming.", true, 12, 0},
                                 {"&quot;Hi&quot;, it's; \"x\"", false, 4294967295u, 1},
                                 {cyrillic, true, 5, 0},
                                 {"", true, 6, 0}}}}},
          FileEntry{"lib", {ChunkEntry{"\treplace foo", {}}}}, FileEntry{"empty", {}}};
}

QByteArray replaced(QByteArray bytes, const char* from, const char* to) {
  return bytes.replace(from, to);
}

}  // namespace

// Each document is read directly or not as the case says, and new mode's
// reader gives the same records and console lines as the normalising way,
// including where that way stops early.
TEST(WrittenDocumentReader, ReadsWhatTheNormalisingWayReads) {
  const QByteArray html = writtenDocument(0, trickyModel());
  const QByteArray csv = writtenDocument(1, trickyModel());
  const struct {
    const char* name;
    int format;
    QByteArray bytes;
    bool direct;
  } cases[] = {
      {"html as written", 0, html, true},
      {"csv as written", 1, csv, true},
      {"empty model html", 0, writtenDocument(0, {}), true},
      {"empty model csv", 1, writtenDocument(1, {}), true},
      {"html with a byte-order mark", 0, "\xEF\xBB\xBF" + html, false},
      {"html with a line end after it", 0, html + "\n", false},
      {"html cut short", 0, html.left(html.size() - 20), false},
      {"html class attribute", 0, replaced(html, "<tr><td>", "<tr class=\"r1\"><td>"), false},
      {"html clean-up in a text", 0,
       replaced(html, "steaming",
                "x width=10%&nbsp;y &lt;b class=\"c2\"&gt; wid class=\"c\"th=10%"),
       true},
      {"html other entity", 0, replaced(html, "&amp;quot;", "&quot;"), false},
      {"html markup in a cell", 0, replaced(html, "&lt;b&gt;", "<b>"), false},
      {"html carriage return", 0, replaced(html, "steaming", "a\rb"), false},
      {"html bad utf-8", 0, replaced(html, "steaming", "\xC0\xAF"), false},
      {"html three cells", 0, replaced(html, "\"/12/0</td>", "\"/12/0</td><td></td>"), false},
      {"html two position fields", 0, replaced(html, "\"/12/0", "\"/12"), false},
      {"csv crlf", 1, replaced(csv, "\n", "\r\n"), false},
      {"csv quoted twice", 1, replaced(replaced(csv, "\"The", "\"\"The"), ".\";", ".\"\";"), true},
      {"csv lone quote as text", 1, replaced(csv, "LINE;\"\";1;6;0", "LINE;\"\"\";1;6;0"), true},
      {"csv quote at the start only", 1, replaced(csv, "\"The", "\"\"The"), true},
      {"csv quote flag 2", 1, replaced(csv, "\";1;12;0", "\";2;12;0"), false},
      {"csv name with separator", 1, replaced(csv, "FILE;lib", "FILE;l;ib"), false},
      {"csv lone quote", 1, replaced(csv, "LINE;\"\";1;6;0", "LINE;\";1;6;0"), false},
      {"csv control character", 1, replaced(csv, "steaming", "\x01"), false},
  };
  for (const auto& c : cases) {
    DocumentModel model;
    EXPECT_EQ(readWrittenDocument(c.bytes, c.format == 0, model), c.direct) << c.name;
    EXPECT_EQ(readBack(c.format, c.bytes, false), readBack(c.format, c.bytes, true)) << c.name;
  }
}

// The direct way must not change what reaches the model: the records of a
// written document are the model it was written from (the CSV form drops
// the empty text).
TEST(WrittenDocumentReader, GivesBackTheWrittenModel) {
  for (const int format : {0, 1}) {
    DocumentModel expected = trickyModel(), model;
    if (format == 1) expected[0].chunks[0].lines.removeLast();
    ASSERT_TRUE(readWrittenDocument(writtenDocument(format, expected), format == 0, model));
    EXPECT_EQ(described(model), described(expected)) << format;
  }
}
