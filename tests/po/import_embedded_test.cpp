#include "po/import_embedded.h"

#include <gtest/gtest.h>

namespace {

using Inner = QVector<QPair<QString, QString>>;

TEST(ImportEmbedded, InnerLiteralsOfAnExpressionBecomeTheirOwnTranslations) {
  const QByteArray source(
      "lens: Thing\n"
      "  desc = \"Lenses round the <<lit ? 'burning' : 'cold'>> lamp <<n>>.\"\n;\n");
  const struct {
    const char* name;
    QString translation;
    QString outer;
    Inner inner;
  } cases[] = {
      {"inner literals translated",
       QStringLiteral("Линзы вокруг <<lit ? 'горящей' : 'cold'>> лампы <<n>>."),
       QStringLiteral("Линзы вокруг <<lit ? 'burning' : 'cold'>> лампы <<n>>."),
       {{"burning", QStringLiteral("горящей")}}},
      {"expressions moved",
       QStringLiteral("<<n>>: <<lit ? 'горящая' : 'холодная'>> лампа."),
       QStringLiteral("<<n>>: <<lit ? 'burning' : 'cold'>> лампа."),
       {{"burning", QStringLiteral("горящая")}, {"cold", QStringLiteral("холодная")}}},
      {"code changed is left for apply to refuse",
       QStringLiteral("Линзы <<isLit ? 'горящей' : 'cold'>> <<n>>."),
       QStringLiteral("Линзы <<isLit ? 'горящей' : 'cold'>> <<n>>."),
       {}},
      {"an expression removed is left too",
       QStringLiteral("Линзы <<n>>."),
       QStringLiteral("Линзы <<n>>."),
       {}},
  };
  const SourceFile file = describeSource(source, QStringLiteral("utf-8"));
  const LexResult lexed = lexTads(source);
  ASSERT_EQ(3, lexed.literals.size());
  for (const auto& c : cases) {
    const EmbeddedSplit split = splitEmbeddedTranslations(c.translation, file, lexed.literals, 0);
    EXPECT_EQ(c.outer, split.outer) << c.name;
    EXPECT_EQ(c.inner, split.inner) << c.name;
  }
}

}  // namespace
