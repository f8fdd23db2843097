#ifndef BRISVANE_TESTS_TADSLEX_LEX_TEST_SUPPORT_H
#define BRISVANE_TESTS_TADSLEX_LEX_TEST_SUPPORT_H

#include <QByteArray>
#include <QString>
#include <ostream>

#include "tadslex/tads_lexer.h"

/// Lexes `source` and checks the invariants every lexing keeps
/// (brokenInvariant). Failures are reported against `label`.
LexResult lexChecked(const QByteArray& source, TadsDialect dialect = TadsDialect::Tads3,
                     const QString& label = QString());

/// The literals' texts as one line: `[text]` each, nested ones marked `^`
/// per depth (`["a <<x ? 'b' : 'c'>>"][^b][^c]`).
QByteArray textsOf(const LexResult& result);

/// Each literal as `text@definition.property#slot`, `!` after the text of
/// vocabulary, `.property` and `#slot` only where there is one; " | " between.
QByteArray contextsOf(const LexResult& result);

/// The problems as "line: message" lines.
QString problemsOf(const LexResult& result);

/// Lets test failures show strings as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

#endif
