#include "po/import_matcher.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportMatcher, FindsGetModePositionsWithColumnsOfTheUnmaskedLine) {
  const QString text = QStringLiteral(
      "lamp: Thing 'lamp' \"He said \\\"hi\\\" twice\" 'x'\n"
      "    \"a text that runs on\n"
      "    over two lines\"\n"
      "// don't 'quote' it's\n");
  const GetModeLiterals literals = getModeLiterals(text);
  ASSERT_EQ(5, literals.size());  // lines 1 and 2 end inside a literal
  const GetModeLiteral& said = literals.value(positionKey(0, 1));
  EXPECT_EQ(text.indexOf(QStringLiteral("He said")), said.column);
  EXPECT_TRUE(said.doubleQuoted);
  EXPECT_EQ(QStringLiteral("He said &quot;hi&quot; twice"), said.text);
  // After two escaped quotes the third literal's column is still the source's.
  EXPECT_EQ(text.indexOf(QStringLiteral("'x'")) + 1, literals.value(positionKey(0, 2)).column);
  // Comment text is a literal to get mode's scanner: the apostrophe opens one.
  EXPECT_EQ(QStringLiteral("t "), literals.value(positionKey(3, 0)).text);
  EXPECT_FALSE(literals.contains(positionKey(1, 0)));
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
