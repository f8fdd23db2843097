#include "tadslex/literal_body.h"

#include <gtest/gtest.h>

#include <vector>

#include "lex_test_support.h"

TEST(LiteralBody, AcceptsOnlyABodyThatStaysOneLiteral) {
  struct Case {
    const char* body;
    QuoteKind quote;
    bool ok;
    const char* textOrProblem;
  };
  const std::vector<Case> cases = {
      {"Une vieille lampe.", QuoteKind::Double, true, "Une vieille lampe."},
      {"l'lampe", QuoteKind::Double, true, "l'lampe"},
      {"", QuoteKind::Single, true, ""},
      {"a \\\"b\\\"", QuoteKind::Double, true, "a \\\"b\\\""},
      {"a\n   b", QuoteKind::Double, true, "a b"},
      {"say \"hi\"", QuoteKind::TripleDouble, true, "say \"hi\""},
      {"ends in '", QuoteKind::TripleSingle, true, "ends in '"},
      {"<<if x>>a<<else>>b<<end>>", QuoteKind::Single, true, "<<if x>>a<<else>>b<<end>>"},
      {"l'lampe", QuoteKind::Single, false,
       "the text closes a single-quoted literal before its end"},
      {"a \"b\"", QuoteKind::Double, false,
       "the text closes a double-quoted literal before its end"},
      {"ends in \\", QuoteKind::Double, false,
       "string literal opened on line 1 is left open at end of file"},
      {"a\n;\nb", QuoteKind::Double, false,
       "string literal opened on line 1 appears unterminated: ';' stands alone on line 2"},
      // The closing quote opens a literal inside the expression.
      {"a <<x", QuoteKind::Double, false,
       "string literal opened on line 1 is left open at end of file"},
      // Two quotes after the opening one make it a triple quote.
      {"\"\"x", QuoteKind::Double, false,
       "string literal opened on line 1 is left open at end of file"},
  };
  for (const Case& c : cases) {
    LiteralCheck check = checkLiteralBody(c.body, c.quote);
    EXPECT_EQ(check.ok, c.ok) << c.body;
    if (c.ok) {
      EXPECT_EQ(check.text, QByteArray(c.textOrProblem)) << c.body;
      EXPECT_TRUE(check.problem.isEmpty()) << c.body;
    } else {
      EXPECT_EQ(check.problem, QString::fromUtf8(c.textOrProblem)) << c.body;
    }
  }
}

TEST(LiteralBody, FoldsByTheSpacingAndDialectOfItsPlace) {
  EXPECT_EQ(
      checkLiteralBody("a\n  b", QuoteKind::Double, TadsDialect::Tads3, NewlineSpacing::Delete)
          .text,
      "ab");
  EXPECT_EQ(
      checkLiteralBody("a\n  b", QuoteKind::Double, TadsDialect::Tads3, NewlineSpacing::Preserve)
          .text,
      "a\n  b");
  EXPECT_EQ(checkLiteralBody("a <<x>>", QuoteKind::Single, TadsDialect::Tads2).embedded.size(), 0);
  EXPECT_FALSE(checkLiteralBody("a", QuoteKind::TripleDouble, TadsDialect::Tads2).ok);
}

TEST(LiteralBody, ListsEmbeddedPartsAndControlForms) {
  LiteralCheck check =
      checkLiteralBody("<<one of>>a <<x.name>><<or>>b <<%d n>><<stopping>>", QuoteKind::Double);
  ASSERT_TRUE(check.ok);
  EXPECT_EQ(check.embedded, (QVector<QByteArray>{"<<one of>>", "<<x.name>>", "<<or>>", "<<%d n>>",
                                                 "<<stopping>>"}));
  EXPECT_EQ(check.controlForms, (QVector<QByteArray>{"<<one of>>", "<<or>>", "<<stopping>>"}));
}

TEST(LiteralBody, ComparesEmbeddedPartsOfATranslation) {
  auto check = [](const char* body) { return checkLiteralBody(body, QuoteKind::Double); };
  const LiteralCheck original = check("<<if lit>>The <<lamp.name>> of <<owner.name>><<end>>");
  EXPECT_EQ(
      compareEmbeddedParts(original, check("<<if lit>>La <<lamp.name>> de <<owner.name>><<end>>")),
      QString());
  EXPECT_EQ(
      compareEmbeddedParts(original, check("<<if lit>><<owner.name>>'s <<lamp.name>><<end>>")),
      QString());
  EXPECT_EQ(compareEmbeddedParts(original, check("<<if lit>>La <<lamp.name>><<end>>")),
            QString("the embedded expression <<owner.name>> of the msgid is missing or changed: "
                    "keep it as written (it may move)"));
  EXPECT_EQ(
      compareEmbeddedParts(original, check("<<if lit>><<lamp.name>> <<owner.name>> <<x>><<end>>")),
      QString("the embedded expression <<x>> is not in the msgid: remove it (<<...>> is code)"));
  EXPECT_EQ(compareEmbeddedParts(original, check("<<end>><<lamp.name>> <<owner.name>><<if lit>>")),
            QString("the control forms (<<if>>, <<one of>>, ...) differ from the msgid's: keep "
                    "<<if lit>> <<end>> as written, in that order"));
  EXPECT_EQ(compareEmbeddedParts(check("<<a>> <<a>>"), check("<<a>>")),
            QString("an embedded expression stands a different number of times than in the msgid: "
                    "keep each as often as the msgid has it"));
}
