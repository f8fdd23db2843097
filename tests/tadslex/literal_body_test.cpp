#include "tadslex/literal_body.h"

#include <gtest/gtest.h>

// A body read back on its own: its text and parts (control forms marked
// `*`) when it stays one literal, else `! ` and the problem.
TEST(LiteralBody, AcceptsOnlyABodyThatStaysOneLiteral) {
  struct Case {
    QByteArray body;
    QuoteKind quote;
    const char* read;
    NewlineSpacing spacing = NewlineSpacing::Collapse;
    TadsDialect dialect = TadsDialect::Tads3;
  };
  const QuoteKind dq = QuoteKind::Double, sq = QuoteKind::Single;
  const Case cases[] = {
      {"l'lampe", dq, "l'lampe"},
      {"", sq, ""},
      {"a \\\"b\\\"", dq, "a \\\"b\\\""},
      {"say \"hi\"", QuoteKind::TripleDouble, "say \"hi\""},
      {"ends in '", QuoteKind::TripleSingle, "ends in '"},
      {"<<one of>>a <<x.name>><<or>>b <<%d n>><<stopping>>", sq,
       "<<one of>>a <<x.name>><<or>>b <<%d n>><<stopping>> | <<one of>>* <<x.name>> <<or>>* "
       "<<%d n>> <<stopping>>*"},
      {"a\n   b", dq, "a b"},
      {"a\n  b", dq, "ab", NewlineSpacing::Delete},
      {"a\n  b", dq, "a\n  b", NewlineSpacing::Preserve},
      {"a <<x>>", sq, "a <<x>>", NewlineSpacing::Collapse, TadsDialect::Tads2},
      {"a", QuoteKind::TripleDouble, "! TADS 2 has no triple-quoted literals",
       NewlineSpacing::Collapse, TadsDialect::Tads2},
      {"l'lampe", sq, "! the text closes a single-quoted literal before its end"},
      {"a \"b\"", dq, "! the text closes a double-quoted literal before its end"},
      {"ends in \\", dq, "! string literal opened on line 1 is left open at end of file"},
      {"a\n;\nb", dq,
       "! string literal opened on line 1 appears unterminated: ';' stands alone on line 2"},
      // The closing quote opens a literal inside the expression.
      {"a <<x", dq, "! string literal opened on line 1 is left open at end of file"},
      // Two quotes after the opening one make it a triple quote.
      {"\"\"x", dq, "! string literal opened on line 1 is left open at end of file"},
  };
  for (const Case& c : cases) {
    const LiteralCheck check = checkLiteralBody(c.body, c.quote, c.dialect, c.spacing);
    QByteArray read = check.ok ? check.text : "! " + check.problem.toUtf8();
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
            "the embedded expression <<x>> was added");
  EXPECT_EQ(compareEmbeddedParts(check("<<a>> <<a>>"), check("<<a>>")).toStdString(),
            "an embedded expression appears a different number of times");
  EXPECT_EQ(compareEmbeddedParts(check("<<if a>><<b>> <<c>><<end>>"),
                                 check("<<if a>><<c>>'s <<b>><<end>>")),
            QString());
}
