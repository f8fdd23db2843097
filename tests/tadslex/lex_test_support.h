#ifndef BRISVANE_TESTS_TADSLEX_LEX_TEST_SUPPORT_H
#define BRISVANE_TESTS_TADSLEX_LEX_TEST_SUPPORT_H

#include <QByteArray>
#include <QString>
#include <ostream>
#include <vector>

#include "tadslex/tads_lexer.h"

/// Lexes `source` and checks the span invariants every literal must keep:
/// ordered and inside the source, quotes of its kind around an exact body,
/// embedded parts inside the body. Failures are reported against `label`.
LexResult lexChecked(const QByteArray& source, TadsDialect dialect = TadsDialect::Tads3,
                     const QString& label = QString());

/// The literals' texts as one line: `[text]` each, nested ones marked `^`
/// per depth (`["a <<x ? 'b' : 'c'>>"][^b][^c]`).
QByteArray textsOf(const LexResult& result);

/// The problems as "line: message" lines.
QString problemsOf(const LexResult& result);

/// One row of a table of lexer facts: the source, what a rendering of its
/// literals must give, and the problems as problemsOf() writes them.
struct LexCase {
  const char* fact;
  const char* source;
  const char* expected;
  const char* problems = "";
};

/// Lexes each case's source (lexChecked) and compares `render` of the result
/// and its problems with the case's, byte for byte.
void expectLexed(const std::vector<LexCase>& cases, TadsDialect dialect,
                 QByteArray (*render)(const LexResult&));

/// Lets test failures show strings as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

#endif
