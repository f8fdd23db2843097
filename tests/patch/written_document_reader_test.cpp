#include "patch/written_document_reader.h"

#include <gtest/gtest.h>

#include "reference_paths.h"

namespace {

using reference::described;
using reference::readBack;

constexpr DocumentFormat kHtml = DocumentFormat::Html;
constexpr DocumentFormat kCsv = DocumentFormat::Csv;

// Texts that travel through both forms unchanged: entities and markup in
// the source, quotes and separators, Cyrillic, a tab, an empty literal.
DocumentModel trickyModel() {
  const QString cyrillic = QString::fromUtf8("\xd1\x87\xd0\xb0\xd0\xb9\t\xe2\x84\x96 &lt;");
  return {reference::fileOf("start", {{"kitchen",
                                       {{"The kettle is <b>hot</b> & steaming.", true, 12, 0},
                                        {"&quot;Hi&quot;, it's; \"x\"", false, 4294967295u, 1},
                                        {cyrillic, true, 5, 0},
                                        {"", true, 6, 0}}}}),
          reference::fileOf("lib", {{"\treplace foo", {}}}), reference::fileOf("empty", {})};
}

QByteArray replaced(QByteArray bytes, const char* from, const char* to) {
  return bytes.replace(from, to);
}

}  // namespace

// Each document is read directly or not as the case says, and new mode's
// reader gives the same records and console lines as the normalising way,
// including where that way stops early.
TEST(WrittenDocumentReader, ReadsWhatTheNormalisingWayReads) {
  const QByteArray html = writeDocument(trickyModel(), kHtml);
  const QByteArray csv = writeDocument(trickyModel(), kCsv);
  const struct {
    const char* name;
    DocumentFormat format;
    QByteArray bytes;
    bool direct;
  } cases[] = {
      {"html as written", kHtml, html, true},
      {"csv as written", kCsv, csv, true},
      {"empty model html", kHtml, writeDocument({}, kHtml), true},
      {"empty model csv", kCsv, writeDocument({}, kCsv), true},
      {"html with a byte-order mark", kHtml, "\xEF\xBB\xBF" + html, false},
      {"html with a line end after it", kHtml, html + "\n", false},
      {"html cut short", kHtml, html.left(html.size() - 20), false},
      {"html class attribute", kHtml, replaced(html, "<tr><td>", "<tr class=\"r1\"><td>"), false},
      {"html clean-up in a text", kHtml,
       replaced(html, "steaming",
                "x width=10%&nbsp;y &lt;b class=\"c2\"&gt; wid class=\"c\"th=10%"),
       true},
      {"html other entity", kHtml, replaced(html, "&amp;quot;", "&quot;"), false},
      {"html markup in a cell", kHtml, replaced(html, "&lt;b&gt;", "<b>"), false},
      {"html carriage return", kHtml, replaced(html, "steaming", "a\rb"), false},
      {"html bad utf-8", kHtml, replaced(html, "steaming", "\xC0\xAF"), false},
      {"html three cells", kHtml, replaced(html, "\"/12/0</td>", "\"/12/0</td><td></td>"), false},
      {"html two position fields", kHtml, replaced(html, "\"/12/0", "\"/12"), false},
      {"csv crlf", kCsv, replaced(csv, "\n", "\r\n"), false},
      {"csv quoted twice", kCsv, replaced(replaced(csv, "\"The", "\"\"The"), ".\";", ".\"\";"),
       true},
      {"csv lone quote as text", kCsv, replaced(csv, "LINE;\"\";1;6;0", "LINE;\"\"\";1;6;0"), true},
      {"csv quote at the start only", kCsv, replaced(csv, "\"The", "\"\"The"), true},
      {"csv quote flag 2", kCsv, replaced(csv, "\";1;12;0", "\";2;12;0"), false},
      {"csv name with separator", kCsv, replaced(csv, "FILE;lib", "FILE;l;ib"), false},
      {"csv lone quote", kCsv, replaced(csv, "LINE;\"\";1;6;0", "LINE;\";1;6;0"), false},
      {"csv control character", kCsv, replaced(csv, "steaming", "\x01"), false},
  };
  for (const auto& c : cases) {
    DocumentModel model;
    EXPECT_EQ(readWrittenDocument(c.bytes, c.format == kHtml, model), c.direct) << c.name;
    EXPECT_EQ(readBack(c.format, c.bytes, false), readBack(c.format, c.bytes, true)) << c.name;
  }
}

// The direct way must not change what reaches the model: the records of a
// written document are the model it was written from (the CSV form drops
// the empty text).
TEST(WrittenDocumentReader, GivesBackTheWrittenModel) {
  for (const DocumentFormat format : {kHtml, kCsv}) {
    DocumentModel expected = trickyModel(), model;
    if (format == kCsv) {
      expected[0].rows.removeLast();
      --expected[0].chunks[0].rowCount;
    }
    QByteArray bytes = writeDocument(expected, format);
    ASSERT_TRUE(readWrittenDocument(bytes, format == kHtml, model));
    EXPECT_EQ(described(model), described(expected)) << formatName(format);
    // Read in pieces of three bytes, every record is cut somewhere.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DocumentModel pieced;
    ASSERT_TRUE(readWrittenDocument(buffer, format == kHtml, pieced, 3));
    EXPECT_EQ(described(pieced), described(expected)) << formatName(format);
  }
}
