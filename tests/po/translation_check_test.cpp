#include "po/translation_check.h"

#include <gtest/gtest.h>

#include "po/tads_text_rules.h"

namespace {

struct CheckCase {
  const char* name;
  QuoteKind quote;
  QStringList sourceParts;
  QString translation;
  bool ok;
  QString body;  ///< what is written when accepted
};

TEST(TranslationCheck, AcceptsWhatReadsBackAndKeepsTheCode) {
  const QuoteKind dq = QuoteKind::Double;
  const QuoteKind sq = QuoteKind::Single;
  const QStringList ifElse = {"<<if lit>>", "<<else>>", "<<end>>"};
  const QVector<CheckCase> cases = {
      {"plain text", dq, {}, "Старая лампа.", true, "Старая лампа."},
      {"escapes kept as written",
       dq,
       {},
       "Он сказал \\\"да\\\".\\n",
       true,
       "Он сказал \\\"да\\\".\\n"},
      {"a bare quote of its own kind is escaped",
       dq,
       {},
       "Он сказал \"да\".",
       true,
       "Он сказал \\\"да\\\"."},
      {"the other quote stays bare", sq, {}, "l'eau \"froide\"", true, "l\\'eau \"froide\""},
      {"a final lone backslash", dq, {}, "конец\\", false, ""},
      {"an escaped final backslash", dq, {}, "конец\\\\", true, "конец\\\\"},
      {"an embedded expression moved",
       dq,
       {"<<lamp.name>>"},
       "<<lamp.name>> тут.",
       true,
       "<<lamp.name>> тут."},
      {"an embedded expression removed", dq, {"<<lamp.name>>"}, "Лампа тут.", false, ""},
      {"an embedded expression changed", dq, {"<<lamp.name>>"}, "<<lamp.theName>> тут.", false, ""},
      {"an embedded expression added", dq, {}, "Лампа <<x>>.", false, ""},
      {"a format kept", dq, {"<<%d count>>"}, "Монет: <<%d count>>.", true, "Монет: <<%d count>>."},
      {"control forms in order", dq, ifElse, "<<if lit>>Горит.<<else>>Нет.<<end>>", true,
       "<<if lit>>Горит.<<else>>Нет.<<end>>"},
      {"control forms out of order", dq, ifElse, "<<else>>Нет.<<if lit>>Горит.<<end>>", false, ""},
      {"a control form removed", dq, ifElse, "<<if lit>>Горит.<<end>>", false, ""},
      {"quotes inside an expression are code",
       dq,
       {"<<x ? 'a' : \"b\">>"},
       "Это <<x ? 'a' : \"b\">>!",
       true,
       "Это <<x ? 'a' : \"b\">>!"},
  };
  for (const CheckCase& c : cases) {
    LiteralShape shape;
    shape.quote = c.quote;
    shape.parts = c.sourceParts;
    const CheckedTranslation checked = checkTranslation(c.translation, shape, MessageParameters());
    EXPECT_EQ(checked.ok, c.ok) << c.name << ": " << checked.reason.toStdString();
    if (c.ok) {
      EXPECT_EQ(checked.body, c.body) << c.name;
    } else {
      EXPECT_FALSE(checked.reason.isEmpty()) << c.name;
    }
  }
}

TEST(TranslationCheck, TripleQuotesEscapeOnlyARunThatWouldClose) {
  EXPECT_EQ(
      escapeBareQuotes(QStringLiteral("say \"hi\" and \"\"\"no\""), QuoteKind::TripleDouble, {}),
      QStringLiteral("say \"hi\" and \\\"\"\"no\""));
  EXPECT_EQ(escapeBareQuotes(QStringLiteral("it's"), QuoteKind::Single, {}),
            QStringLiteral("it\\'s"));
  EXPECT_EQ(escapeBareQuotes(QStringLiteral("it\\'s"), QuoteKind::Single, {}),
            QStringLiteral("it\\'s"));
}

TEST(TranslationCheck, ALiteralInsideAnExpressionIsReadInItsPlace) {
  LiteralShape shape;
  shape.quote = QuoteKind::Single;
  shape.depth = 1;
  EXPECT_TRUE(checkTranslation(QStringLiteral("ярко >> очень"), shape, MessageParameters()).ok);
  EXPECT_EQ(checkTranslation(QStringLiteral("it's"), shape, MessageParameters()).body,
            QStringLiteral("it\\'s"));
}

}  // namespace
