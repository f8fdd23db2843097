// The lexer over the sources shipped with the TADS compilers: the adv3 and
// system libraries (TADS 3) and adv.t/std.t (TADS 2). Skipped when the TADS
// build is absent.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>
#include <cstdio>

#include "lex_test_support.h"
#include "tads_instrument.h"
#include "tadslex/tads_lexer.h"
#include "test_files.h"

namespace {

QStringList filesUnder(const QString& folder, const QStringList& patterns) {
  QStringList files;
  QDirIterator it(folder, patterns, QDir::Files,
                  QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

struct Totals {
  int files = 0;
  int literals = 0;
  qint64 text = 0;
  qint64 multiLineText = 0;
};

// Lexes every file: no problems, every span between its quotes (lexChecked).
Totals lexAll(const QStringList& files, TadsDialect dialect) {
  Totals totals;
  for (const QString& path : files) {
    LexResult r = lexChecked(testfiles::readFile(path), dialect, path);
    EXPECT_EQ(problemsOf(r), QString()) << path.toStdString();
    for (const TadsLiteral& lit : r.literals) {
      totals.text += lit.text.size();
      if (lit.lastLine > lit.line) totals.multiLineText += lit.text.size();
    }
    totals.literals += r.literals.size();
    ++totals.files;
  }
  return totals;
}

class RealCode : public testing::Test {
 protected:
  void SetUp() override {
    if (!tads_.available()) GTEST_SKIP() << TadsInstrument::missing();
  }
  // The file at `relative` in the TADS build, or empty when it is not there.
  QString file(const QString& relative) const {
    return QFileInfo::exists(tads_.path(relative)) ? tads_.path(relative) : QString();
  }

  const TadsInstrument tads_;
};

}  // namespace

TEST_F(RealCode, LexesTheTads3LibrariesWithoutProblems) {
  const QStringList files = filesUnder(tads_.path("lib"), {QStringLiteral("*.t")});
  ASSERT_FALSE(files.isEmpty());
  Totals totals = lexAll(files, TadsDialect::Tads3);
  EXPECT_GT(totals.literals, 1000);
  // TADS-STRINGS.md: on real library code a third to two thirds of the
  // literal text sits in literals that span lines; a line-by-line reading
  // would miss it.
  const double share = double(totals.multiLineText) / double(totals.text);
  EXPECT_GT(share, 1.0 / 3) << share;
  EXPECT_LT(share, 2.0 / 3) << share;
  std::printf("%d files, %d literals, %.0f%% of their text in multi-line literals\n", totals.files,
              totals.literals, share * 100);
}

TEST_F(RealCode, LexesTheTads3HeadersWithoutProblems) {
  lexAll(filesUnder(tads_.path("include"), {QStringLiteral("*.h")}), TadsDialect::Tads3);
}

TEST_F(RealCode, LexesTheTads2LibraryWithoutProblems) {
  const QString adv = file("src/frobtads/tads2/adv.t");
  const QString standard = file("src/frobtads/tads2/std.t");
  if (adv.isEmpty() || standard.isEmpty())
    GTEST_SKIP() << "TADS 2 library not found in BRISVANE_TADS_DIR (src/frobtads/tads2/)";
  EXPECT_GT(lexAll({adv, standard}, TadsDialect::Tads2).literals, 500);
}

// The adv3 library's English module, where the context forms meet.
TEST_F(RealCode, NamesContextsInTheEnglishLibrary) {
  const QString path = file("lib/adv3/en_us/en_us.t");
  if (path.isEmpty()) GTEST_SKIP() << "adv3 library not found in BRISVANE_TADS_DIR (lib/adv3/)";
  LexResult r = lexTads(testfiles::readFile(path));
  auto find = [&r](const QByteArray& text, const QString& definition) -> const TadsLiteral* {
    for (const TadsLiteral& lit : r.literals) {
      if (lit.text == text && lit.definition == definition) return &lit;
    }
    return nullptr;
  };
  const TadsLiteral* take = find("take/taking (what)", QStringLiteral("VerbRule(Take)"));
  ASSERT_NE(take, nullptr);
  EXPECT_EQ(take->property, QStringLiteral("verbPhrase"));
  const TadsLiteral* pick = find("pick", QStringLiteral("VerbRule(Take)"));
  ASSERT_NE(pick, nullptr);
  EXPECT_EQ(pick->role, LiteralRole::Vocabulary);
  ASSERT_NE(find("north", QStringLiteral("DefineLangDir(north)")), nullptr);
}

// instruct.t declares `InstructionsMenu template 'title' ->chapterProp;` and
// then uses it: the declaration's 'title' names a property, no literal.
TEST_F(RealCode, TemplateDeclarationsInTheLibraryGiveNoLiterals) {
  const QString path = file("lib/adv3/en_us/instruct.t");
  if (path.isEmpty()) GTEST_SKIP() << "adv3 library not found in BRISVANE_TADS_DIR (lib/adv3/)";
  const QByteArray source = testfiles::readFile(path);
  const int declaration = source.indexOf("InstructionsMenu template 'title'");
  ASSERT_GE(declaration, 0);
  int menus = 0;
  for (const TadsLiteral& lit : lexTads(source).literals) {
    EXPECT_FALSE(lit.begin > declaration && lit.begin < source.indexOf(';', declaration));
    if (lit.templateSlot == 0 && lit.definition == QStringLiteral("topInstructionsMenu")) ++menus;
  }
  EXPECT_GT(menus, 0) << "the menu title is slot 0";
}
