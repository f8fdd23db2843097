#include "po/import_corrections.h"

#include <gtest/gtest.h>

namespace {

PoEntry entry(const QString& msgid) {
  PoEntry e;
  e.msgid = msgid;
  return e;
}

TEST(ImportCorrections, FirstTextWinsAndAConflictIsFuzzyAndReported) {
  QVector<PoEntry> entries{entry("lamp"), entry("key"), entry("door")};
  const CorrectionList corrections{
      {"lamp", "лампа", "a.t:1 (literal 0)"},      {"key", "ключ", "a.t:2 (literal 0)"},
      {"lamp", "лампа", "b.t:1 (literal 0)"},   // the same text again: no conflict
      {"lamp", "фонарь", "b.t:7 (literal 1)"},  // a different one: fuzzy
      {"lamp", "светильник", "c.t:3 (literal 0)"}, {"gone", "нет", "c.t:9 (literal 0)"},
  };
  QStringList reports;
  const ImportTally tally = applyCorrections(corrections, entries, reports);
  EXPECT_EQ(2, tally.translated);
  EXPECT_EQ(1, tally.fuzzy);
  EXPECT_EQ(QStringLiteral("лампа"), entries[0].msgstr);
  EXPECT_TRUE(entries[0].fuzzy);
  EXPECT_EQ(QStringLiteral("ключ"), entries[1].msgstr);
  EXPECT_FALSE(entries[1].fuzzy);
  EXPECT_TRUE(entries[2].msgstr.isEmpty());
  ASSERT_EQ(3, reports.size());
  EXPECT_EQ(QStringLiteral("b.t:7 (literal 1): a second translation of \"lamp\" differs from the "
                           "one at a.t:1 (literal 0); the first is kept and marked fuzzy"),
            reports[0]);
  EXPECT_EQ(QStringLiteral("c.t:9 (literal 0): no entry holds this literal; left out"), reports[2]);
}

}  // namespace
