// The tolerant readers, one case per document under fixtures/readers/: the
// reading of <name>.csv or <name>.html, written out as describe() does, is
// <name>.expected.
#include <gtest/gtest.h>

#include "check/check_test_support.h"
#include "docread/tolerant_csv_reader.h"
#include "docread/tolerant_html_reader.h"

namespace {

// "F name", "C name" and "R Q/L/N text" lines for the sections, chunks and
// rows, then "Q" lines for each row's quirks, "N" for the notes and "M" for
// the markup.
QString describe(const TolerantReading& reading) {
  QString text;
  for (const FileEntry& file : reading.model) {
    text += QStringLiteral("F %1\n").arg(file.name);
    for (const ChunkEntry& chunk : file.chunks) {
      text += QStringLiteral("C %1\n").arg(file.nameOf(chunk));
      for (const LineRecord& row : file.rowsOf(chunk)) {
        text += QStringLiteral("R %1/%2/%3 %4\n")
                    .arg(row.doubleQuoted ? '"' : '\'')
                    .arg(row.lineIndex)
                    .arg(row.literalIndex)
                    .arg(file.textOf(row));
      }
    }
  }
  QStringList keys = reading.quirks.keys();
  keys.sort();
  for (const QString& key : keys) {
    text += QStringLiteral("Q %1: %2\n")
                .arg(QString(key).replace('\n', '|'), reading.quirks[key].join("; "));
  }
  for (const auto& note : reading.notes)
    text += QStringLiteral("N %1: %2\n").arg(note.first).arg(note.second);
  for (const auto& markup : reading.markup)
    text += QStringLiteral("M %1: %2\n").arg(markup.first).arg(markup.second);
  return text;
}

class TolerantReader : public testing::TestWithParam<std::string> {};

TEST_P(TolerantReader, TakesWhatAnEditorMeans) {
  const QString document =
      checktest::fixture(QStringLiteral("readers/") + QString::fromStdString(GetParam()));
  const QByteArray bytes = testfiles::readFile(document);
  const TolerantReading reading =
      document.endsWith(QLatin1String(".csv")) ? readTolerantCsv(bytes) : readTolerantHtml(bytes);
  const QString expected = document.left(document.lastIndexOf('.')) + QStringLiteral(".expected");
  EXPECT_EQ(testfiles::readFile(expected).toStdString(), describe(reading).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Documents, TolerantReader,
                         testing::ValuesIn(testfiles::folderEntries(checktest::fixture("readers"),
                                                                    {"*.csv", "*.html"})),
                         testfiles::caseName);

}  // namespace
