#include "po/import_matcher.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportMatcher, GetModeColumnsCountEscapedQuotesAsWritten) {
  const QString line = QStringLiteral("x = \"He said \\\"hi\\\" twice\" + 'Bob\\'s' + 'y';");
  const GetModeLiterals literals = getModeLiterals(line + QStringLiteral("\n// don't\n"));
  ASSERT_EQ(3, literals.size());  // the comment line ends inside a literal
  EXPECT_EQ(line.indexOf(QLatin1String("He")), literals.value(positionKey(0, 0)).column);
  EXPECT_EQ(QStringLiteral("He said &quot;hi&quot; twice"), literals.value(positionKey(0, 0)).text);
  EXPECT_EQ(line.indexOf(QLatin1String("Bob")), literals.value(positionKey(0, 1)).column);
  EXPECT_EQ(line.indexOf(QLatin1String("y'")), literals.value(positionKey(0, 2)).column);
}

TadsLiteral literalAt(const QByteArray& source, const char* body, int line, int lastLine) {
  TadsLiteral literal;
  literal.bodyBegin = source.indexOf(body);
  literal.line = line;
  literal.lastLine = lastLine;
  return literal;
}

TEST(ImportMatcher, PlacesLexerLiteralsInTheLinesGetModeDecodes) {
  struct Case {
    const char* name;
    QByteArray source;
    const char* body;
    int line;
    int column;
  };
  const Case cases[] = {
      {"code page 1251 counts bytes", "x = '\xc0\xc1'; y = 'b';\n", "b'", 1, 15},
      {"after a UTF-8 mark, characters", "\xEF\xBB\xBFx = '\xD0\x90\xD0\x91'; y = 'b';\n", "b'", 1,
       15},
      {"carriage returns dropped", "a\r\nx = 'b';\r\n", "b'", 2, 5},
  };
  for (const Case& c : cases) {
    const QVector<TadsLiteral> literals{literalAt(c.source, c.body, c.line, c.line)};
    const QHash<quint64, int> positions = singleLineLiteralPositions(c.source, literals);
    EXPECT_EQ(0, positions.value(positionKey(c.line - 1, c.column), -1)) << c.name;
  }
  const QByteArray spanning("x = \"one\n  two\";\n");
  EXPECT_TRUE(singleLineLiteralPositions(spanning, {literalAt(spanning, "one", 1, 2)}).isEmpty());
}

}  // namespace
