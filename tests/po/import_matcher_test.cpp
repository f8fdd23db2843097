#include "po/import_matcher.h"

#include <gtest/gtest.h>

namespace {

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
