#include "lex_test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

namespace {

QByteArray quotesOf(QuoteKind quote) {
  switch (quote) {
    case QuoteKind::Double:
      return "\"";
    case QuoteKind::Single:
      return "'";
    case QuoteKind::TripleDouble:
      return "\"\"\"";
    case QuoteKind::TripleSingle:
      return "'''";
  }
  return QByteArray();
}

}  // namespace

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

QString problemsOf(const LexResult& result) {
  QString out;
  for (const LexProblem& p : result.problems) {
    out += QStringLiteral("%1: %2\n").arg(p.line).arg(p.message);
  }
  return out;
}

QString tadsHome() {
  QString home = qEnvironmentVariable("TADS_HOME");
  if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.cache/tads");
  return QFileInfo(home + QStringLiteral("/lib")).isDir() ? home : QString();
}
