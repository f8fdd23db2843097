#include "check/joined_rows.h"

#include <gtest/gtest.h>

#include "docread/tolerant_reading.h"
#include "reference_paths.h"

namespace {

LineEntry row(quint32 line, quint32 literal, const char* text) {
  return LineEntry{QString::fromUtf8(text), false, line, literal};
}

TEST(JoinedRows, FindsTheRecordsARowSwallowedAndPutsTheSourceBack) {
  const DocumentModel model = {reference::fileOf(
      "a", {{"obj: Thing",
             {row(1, 0, "first"), row(3, 0, "\";0;2;0 LINE;\"@@"),
              row(6, 0, "third\";0;4;1 LINE;\"x\";1;5;0 END CHUNK CHUNK;y"),
              row(7, 0, "Say \"1;2;3\" LINE; no record"), row(9, 0, "\";0;8;0LINE;\"z")}}})};
  const QList<JoinedRow> joined = findJoinedRows(model);
  ASSERT_EQ(3, joined.size());
  EXPECT_EQ(3u, joined[0].row.lineIndex);
  EXPECT_EQ((QList<QPair<quint32, quint32>>{{2, 0}}), joined[0].swallowed);
  EXPECT_EQ((QList<QPair<quint32, quint32>>{{4, 1}, {5, 0}}), joined[1].swallowed);
  EXPECT_EQ((QList<QPair<quint32, quint32>>{{8, 0}}), joined[2].swallowed);

  QHash<QString, LineEntry> source;
  for (const LineEntry& literal :
       {row(1, 0, "first"), row(2, 0, "\""), row(3, 0, "@@"), row(4, 1, "third\""), row(5, 0, "x"),
        row(6, 0, "y"), row(8, 0, "\""), row(9, 0, "z")}) {
    source.insert(rowKey("a", literal.lineIndex, literal.literalIndex), literal);
  }
  QStringList rows;
  for (const LineEntry& entry : withJoinedRowsRestored(model, joined, source).first().entries()) {
    rows << QStringLiteral("%1/%2 %3").arg(entry.lineIndex).arg(entry.literalIndex).arg(entry.text);
  }
  EXPECT_EQ(QStringList({"1/0 first", "2/0 \"", "3/0 @@", "4/1 third\"", "5/0 x", "6/0 y",
                         "7/0 Say \"1;2;3\" LINE; no record", "8/0 \"", "9/0 z"}),
            rows);
}

}  // namespace
