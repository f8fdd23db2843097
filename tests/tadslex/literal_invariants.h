#ifndef BRISVANE_TESTS_TADSLEX_LITERAL_INVARIANTS_H
#define BRISVANE_TESTS_TADSLEX_LITERAL_INVARIANTS_H

// What every lexing must keep, on any bytes: held by the lexer's tests and
// its fuzz target.
#include <QByteArray>
#include <QString>

#include "tadslex/literal_body.h"
#include "tadslex/tads_lexer.h"

/// The quotes a literal of `quote` stands between.
inline QByteArray quotesOf(QuoteKind quote) {
  const char* quotes[] = {"\"", "'", "\"\"\"", "'''"};
  return quotes[int(quote)];
}

/// The first invariant `result` breaks, in words; empty when it keeps them
/// all: literals in the order of their opening quotes and lines, each
/// between quotes of its kind at exact offsets (none triple in TADS 2), its
/// parts inside its body in order between "<<" and ">>", its body read back
/// on its own (the apply rule) one literal with the same text and parts;
/// every problem names a line.
inline QString brokenInvariant(const QByteArray& source, const LexResult& result,
                               TadsDialect dialect) {
  int lastBegin = -1, lastLine = 1;
  for (const TadsLiteral& lit : result.literals) {
    const QByteArray quotes = quotesOf(lit.quote);
    if (lit.begin <= lastBegin || lit.line < lastLine) return "literals out of order";
    lastBegin = lit.begin;
    lastLine = lit.line;
    if (lit.line > lit.lastLine || lit.depth < 0) return "lines or depth out of order";
    if (lit.begin < 0 || lit.end > source.size() || lit.bodyBegin > lit.bodyEnd ||
        lit.bodyBegin != lit.begin + quotes.size() || lit.end != lit.bodyEnd + quotes.size())
      return "a span that is not its quotes around its body";
    if (source.mid(lit.begin, quotes.size()) != quotes ||
        source.mid(lit.bodyEnd, quotes.size()) != quotes)
      return "quotes that are not of the literal's kind";
    if (dialect == TadsDialect::Tads2 && quotes.size() == 3) return "triple quotes in TADS 2";
    int last = lit.bodyBegin;
    for (const EmbeddedPart& part : lit.embedded) {
      if (part.begin < last || part.end > lit.bodyEnd || part.end - part.begin < 4 ||
          source.mid(part.begin, 2) != "<<" || source.mid(part.end - 2, 2) != ">>")
        return "a part outside its body, out of order or not between << and >>";
      last = part.end;
    }
    const LiteralCheck check =
        checkLiteralBody(source.mid(lit.bodyBegin, lit.bodyEnd - lit.bodyBegin), lit.quote, dialect,
                         lit.spacing, lit.depth);
    if (!check.ok || check.text != lit.text || check.embedded.size() != lit.embedded.size())
      return "a body that does not read back as the same literal on its own";
  }
  for (const LexProblem& problem : result.problems) {
    if (problem.line < 1 || problem.message.isEmpty()) return "a problem that names no line";
  }
  return QString();
}

#endif
