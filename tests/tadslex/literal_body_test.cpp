// A body read back on its own (the apply rule). That every body the lexer
// reads reads back as the same literal is an invariant of every lexing
// (literal_invariants.h); here, the bodies that do not stay one literal, and
// the parts a translation may not change.
#include "tadslex/literal_body.h"

#include <gtest/gtest.h>

// Its problem, or its text and parts (control forms marked `*`).
TEST(LiteralBody, RefusesABodyThatDoesNotStayOneLiteral) {
  const QuoteKind dq = QuoteKind::Double, sq = QuoteKind::Single;
  const struct {
    QByteArray body;
    QuoteKind quote;
    TadsDialect dialect;
    const char* read;
  } cases[] = {
      {"<<one of>>a <<x.name>><<or>>b <<%d n>><<stopping>>", sq, TadsDialect::Tads3,
       "<<one of>>a <<x.name>><<or>>b <<%d n>><<stopping>> | <<one of>>* <<x.name>> <<or>>* "
       "<<%d n>> <<stopping>>*"},
      {"a", QuoteKind::TripleDouble, TadsDialect::Tads2, "TADS 2 has no triple-quoted literals"},
      {"l'lampe", sq, TadsDialect::Tads3, "the text closes a single-quoted literal before its end"},
      {"a \"b\"", dq, TadsDialect::Tads3, "the text closes a double-quoted literal before its end"},
      {"ends in \\", dq, TadsDialect::Tads3,
       "string literal opened on line 1 is left open at end of file"},
      {"a\n;\nb", dq, TadsDialect::Tads3,
       "string literal opened on line 1 appears unterminated: ';' stands alone on line 2"},
      // The closing quote opens a literal inside the expression.
      {"a <<x", dq, TadsDialect::Tads3,
       "string literal opened on line 1 is left open at end of file"},
      // Two quotes after the opening one make it a triple quote.
      {"\"\"x", dq, TadsDialect::Tads3,
       "string literal opened on line 1 is left open at end of file"},
  };
  for (const auto& c : cases) {
    const LiteralCheck check = checkLiteralBody(c.body, c.quote, c.dialect);
    QByteArray read = check.ok ? check.text : check.problem.toUtf8();
    if (!check.embedded.isEmpty()) read += " |";
    for (const QByteArray& part : check.embedded)
      read += ' ' + part + (check.controlForms.contains(part) ? "*" : "");
    EXPECT_EQ(c.read, read.toStdString()) << c.body.toStdString();
  }
}

// What a translation's parts may not do that the messages of the apply
// cases do not show: add one, or repeat one a different number of times.
TEST(LiteralBody, ComparesEmbeddedPartsOfATranslation) {
  auto check = [](const char* body) { return checkLiteralBody(body, QuoteKind::Double); };
  EXPECT_EQ(compareEmbeddedParts(check("<<a>> <<b>>"), check("<<b>> <<x>> <<a>>")).toStdString(),
            "the embedded expression <<x>> is not in the msgid: remove it (<<...>> is code)");
  EXPECT_EQ(
      compareEmbeddedParts(check("<<a>> <<a>>"), check("<<a>>")).toStdString(),
      "an embedded expression stands a different number of times than in the msgid: keep each as "
      "often as the msgid has it");
  EXPECT_EQ(compareEmbeddedParts(check("<<if a>><<b>> <<c>><<end>>"),
                                 check("<<if a>><<c>>'s <<b>><<end>>")),
            QString());
}
