#include "lex_test_support.h"

#include <gtest/gtest.h>

#include <QStringList>

QByteArray quotesOf(QuoteKind quote) {
  const char* quotes[] = {"\"", "'", "\"\"\"", "'''"};
  return quotes[int(quote)];
}

LexResult lexChecked(const QByteArray& source, TadsDialect dialect, const QString& label) {
  LexResult result = lexTads(source, dialect);
  const std::string where = label.isEmpty() ? source.toStdString() : label.toStdString();
  int lastBegin = -1;
  int lastLine = 0;
  for (const TadsLiteral& lit : result.literals) {
    const QByteArray quotes = quotesOf(lit.quote);
    EXPECT_GT(lit.begin, lastBegin) << where;
    EXPECT_GE(lit.line, lastLine) << where;
    EXPECT_LE(lit.line, lit.lastLine) << where;
    EXPECT_TRUE(lit.begin >= 0 && lit.end <= source.size()) << where;
    EXPECT_EQ(lit.bodyBegin, lit.begin + quotes.size()) << where;
    EXPECT_EQ(lit.end, lit.bodyEnd + quotes.size()) << where;
    EXPECT_EQ(source.mid(lit.begin, quotes.size()), quotes) << where;
    EXPECT_EQ(source.mid(lit.bodyEnd, quotes.size()), quotes) << where;
    for (const EmbeddedPart& part : lit.embedded) {
      EXPECT_TRUE(part.begin >= lit.bodyBegin && part.end <= lit.bodyEnd) << where;
      EXPECT_EQ(source.mid(part.begin, 2), "<<") << where;
      EXPECT_EQ(source.mid(part.end - 2, 2), ">>") << where;
    }
    lastBegin = lit.begin;
    lastLine = lit.line;
  }
  return result;
}

QByteArray textsOf(const LexResult& result) {
  QByteArray out;
  for (const TadsLiteral& lit : result.literals) {
    out += '[' + QByteArray(lit.depth, '^') + lit.text + ']';
  }
  return out;
}

QByteArray contextsOf(const LexResult& result) {
  QStringList out;
  for (const TadsLiteral& lit : result.literals) {
    QString s = QString::fromUtf8(lit.text);
    if (lit.role == LiteralRole::Vocabulary) s += QLatin1Char('!');
    s += QLatin1Char('@') + lit.definition;
    if (!lit.property.isEmpty()) s += QLatin1Char('.') + lit.property;
    if (lit.templateSlot >= 0) s += QStringLiteral("#%1").arg(lit.templateSlot);
    out << s;
  }
  return out.join(QStringLiteral(" | ")).toUtf8();
}

QString problemsOf(const LexResult& result) {
  QString out;
  for (const LexProblem& p : result.problems) {
    out += QStringLiteral("%1: %2\n").arg(p.line).arg(p.message);
  }
  return out;
}
