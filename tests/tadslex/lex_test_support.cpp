#include "lex_test_support.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "literal_invariants.h"

LexResult lexChecked(const QByteArray& source, TadsDialect dialect, const QString& label) {
  LexResult result = lexTads(source, dialect);
  EXPECT_EQ(QString(), brokenInvariant(source, result, dialect))
      << (label.isEmpty() ? source.toStdString() : label.toStdString());
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
