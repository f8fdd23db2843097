#include "patch/written_document_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QTextStream>

#include "console_capture.h"
#include "formats/serialize_formatter.h"
#include "formats/worked_example.h"
#include "patch/document_reader.h"

namespace {

// Every field of every record, one line each, for comparing two readings.
QString described(const DocumentModel& model) {
  QString text;
  for (const FileEntry& file : model) {
    text += "F " + file.name + '\n';
    for (const ChunkEntry& chunk : file.chunks) {
      text += "C " + chunk.name + '\n';
      for (const LineEntry& row : chunk.lines) {
        text += QString("L %1 %2 %3 %4\n")
                    .arg(row.text)
                    .arg(row.doubleQuoted)
                    .arg(row.lineIndex)
                    .arg(row.literalIndex);
      }
    }
  }
  return text;
}

// The model and console lines of reading `bytes` in format `index` as new
// mode does, or only the normalising way.
QString readBack(int index, QByteArray bytes, bool normalisingOnly) {
  const int saved = formatIndex;
  setFormatIndex(index);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QTextStream in(&buffer);
  currentFormatter()->setStreamCodec(in);
  DocumentModel model;
  ConsoleCapture console;
  if (normalisingOnly) {
    readNormalisedDocument(currentFormatter()->preprocess(in.readAll()), model);
  } else {
    in >> model;
  }
  setFormatIndex(saved);
  return described(model) + "--\n" + console.text();
}

// Texts that travel through both forms unchanged: entities and markup in
// the source, quotes and separators, Cyrillic, a tab, an empty literal.
DocumentModel trickyModel() {
  DocumentModel model = workedExampleModel();
  QList<LineEntry>& lines = model[0].chunks[0].lines;
  lines << LineEntry{"&quot;Hi&quot;, it's; \"x\"", false, 4294967295u, 1}
        << LineEntry{QString::fromUtf8("\xd1\x87\xd0\xb0\xd0\xb9\t\xe2\x84\x96 &lt;"), true, 5, 0}
        << LineEntry{"", true, 6, 0};
  model << FileEntry{"lib", {ChunkEntry{"\treplace foo", {}}}} << FileEntry{"empty", {}};
  return model;
}

QByteArray written(int index, const DocumentModel& model) {
  return QByteArray::fromStdString(writtenDocument(index, model));
}

QByteArray replaced(QByteArray bytes, const char* from, const char* to) {
  return bytes.replace(from, to);
}

}  // namespace

// Each document is read directly or not as the case says, and new mode's
// reader gives the same records and console lines as the normalising way,
// including where that way stops early.
TEST(WrittenDocumentReader, ReadsWhatTheNormalisingWayReads) {
  const QByteArray html = written(0, trickyModel());
  const QByteArray csv = written(1, trickyModel());
  const struct {
    const char* name;
    int format;
    QByteArray bytes;
    bool direct;
  } cases[] = {
      {"html as written", 0, html, true},
      {"csv as written", 1, csv, true},
      {"empty model html", 0, written(0, {}), true},
      {"empty model csv", 1, written(1, {}), true},
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
  DocumentModel expected = trickyModel();
  DocumentModel model;
  ASSERT_TRUE(readWrittenDocument(written(0, expected), true, model));
  EXPECT_EQ(described(model), described(expected));
  expected[0].chunks[0].lines.removeLast();
  model.clear();
  ASSERT_TRUE(readWrittenDocument(written(1, expected), false, model));
  EXPECT_EQ(described(model), described(expected));
}
