#include "po/collapse_layout.h"

#include <gtest/gtest.h>

namespace {

/// What the compiler makes of a body under collapse: each line break and the
/// blanks that start the next line become one space.
QString folded(const QString& laidOut) {
  QString text;
  for (int at = 0; at < laidOut.size(); ++at) {
    if (laidOut[at] == QLatin1Char('\r')) continue;
    if (laidOut[at] != QLatin1Char('\n')) {
      text += laidOut[at];
      continue;
    }
    while (at + 1 < laidOut.size() && laidOut[at + 1] == QLatin1Char(' ')) ++at;
    text += QLatin1Char(' ');
  }
  return text;
}

LineFrame frame(int firstColumn, int width) {
  LineFrame result;
  result.firstColumn = firstColumn;
  result.indent = QStringLiteral("    ");
  result.width = width;
  return result;
}

struct LayoutCase {
  const char* name;
  QString body;
  QVector<TextSpan> parts;
  QStringList lines;  ///< the expected lines, indentation left out
};

TEST(CollapseLayout, BreaksOnlyWhereFoldingGivesTheBodyBack) {
  const QVector<LayoutCase> cases = {
      {"fills lines to the width",
       QStringLiteral("aaa bbb ccc ddd eee"),
       {},
       {QStringLiteral("aaa bbb"), QStringLiteral("ccc ddd"), QStringLiteral("eee")}},
      {"double spaces stay on one line",
       QStringLiteral("aaa  bbb ccc"),
       {},
       {QStringLiteral("aaa  bbb"), QStringLiteral("ccc")}},
      {"no break inside an embedded expression",
       QStringLiteral("see <<x ? 'a b' : 'c'>> ok"),
       {{4, 23}},
       {QStringLiteral("see"), QStringLiteral("<<x ? 'a b' : 'c'>>"), QStringLiteral("ok")}},
      {"no break after a line-break escape or in an escaped space",
       QStringLiteral("aaaa\\n bb\\ cc dd"),
       {},
       {QStringLiteral("aaaa\\n bb\\ cc"), QStringLiteral("dd")}},
      {"a lone semicolon or brace never starts a line",
       QStringLiteral("aaaaaaa ; bbbbbbb }"),
       {},
       {QStringLiteral("aaaaaaa ;"), QStringLiteral("bbbbbbb }")}},
      {"a word longer than the width stands alone",
       QStringLiteral("a bbbbbbbbbbbbbb c"),
       {},
       {QStringLiteral("a"), QStringLiteral("bbbbbbbbbbbbbb"), QStringLiteral("c")}},
  };
  for (const LayoutCase& c : cases) {
    const QString laidOut = wrapToSourceLines(c.body, c.parts, frame(2, 12));
    EXPECT_EQ(folded(laidOut), c.body) << c.name;
    QStringList lines = laidOut.split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i].startsWith(QLatin1String("    "))) << c.name;
      lines[i] = lines[i].mid(4);
    }
    EXPECT_EQ(lines, c.lines) << c.name << ": " << laidOut.toStdString();
  }
}

TEST(CollapseLayout, FrameTakesIndentWidthAndLineEndsFromTheSource) {
  const QString source = QStringLiteral(
      "  desc = \"A long\r\n"
      "      description of the brass lamp,\r\n"
      "      old.\";\r\n");
  const int bodyBegin = source.indexOf(QLatin1Char('"')) + 1;
  const int bodyEnd = source.lastIndexOf(QLatin1Char('"'));
  const LineFrame found = measureSourceFrame(source, bodyBegin, bodyEnd);
  EXPECT_EQ(found.firstColumn, 10);
  EXPECT_EQ(found.indent, QStringLiteral("      "));
  EXPECT_EQ(found.width, 36);
  EXPECT_EQ(found.lineBreak, QStringLiteral("\r\n"));
  const QString laidOut = wrapToSourceLines(QStringLiteral("one two"), {}, found);
  EXPECT_EQ(laidOut, QStringLiteral("one two"));
}

}  // namespace
