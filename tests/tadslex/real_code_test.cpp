// The lexer over the sources shipped with the TADS compilers: the TADS 3
// library and headers and the TADS 2 library give no problem and keep every
// span between its quotes (lexChecked), and the adv3 library's English
// module gets its contexts. Skipped when the TADS build is absent.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <cstdio>

#include "lex_test_support.h"
#include "tads_instrument.h"
#include "test_files.h"

namespace {

class RealCode : public testing::Test {
 protected:
  void SetUp() override {
    if (!tads_.available()) GTEST_SKIP() << TadsInstrument::missing();
  }
  const TadsInstrument tads_;
};

}  // namespace

TEST_F(RealCode, LexesTheLibrariesWithoutProblems) {
  const struct {
    const char* folder;
    QStringList files;
    TadsDialect dialect;
    int fewestLiterals;
  } sets[] = {{"lib", {"*.t"}, TadsDialect::Tads3, 1000},
              {"include", {"*.h"}, TadsDialect::Tads3, 0},
              {"src/frobtads/tads2", {"adv.t", "std.t"}, TadsDialect::Tads2, 500}};
  for (const auto& set : sets) {
    int literals = 0;
    qint64 text = 0, multiLineText = 0;
    QDirIterator it(tads_.path(set.folder), set.files, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      const LexResult r = lexChecked(testfiles::readFile(path), set.dialect, path);
      EXPECT_EQ(problemsOf(r), QString()) << path.toStdString();
      for (const TadsLiteral& lit : r.literals) {
        text += lit.text.size();
        if (lit.lastLine > lit.line) multiLineText += lit.text.size();
      }
      literals += r.literals.size();
    }
    EXPECT_GE(literals, set.fewestLiterals) << set.folder;
    // On real library code a third to two thirds of the literal text sits in
    // literals that span lines; a line-by-line reading would miss it.
    const double share = double(multiLineText) / double(qMax<qint64>(text, 1));
    if (QLatin1String(set.folder) == "lib") {
      EXPECT_TRUE(share > 1.0 / 3 && share < 2.0 / 3) << share;
    }
    std::printf("%s: %d literals, %.0f%% of their text in multi-line literals\n", set.folder,
                literals, share * 100);
  }
}

// The forms of the contexts table as the library writes them. instruct.t
// declares `InstructionsMenu template 'title' ->chapterProp;` and then uses
// it: the declaration's 'title' names a property, the menu's title is slot 0.
TEST_F(RealCode, NamesContextsInTheEnglishLibrary) {
  const QByteArray english = testfiles::readFile(tads_.path("lib/adv3/en_us/en_us.t"));
  const QByteArray instruct = testfiles::readFile(tads_.path("lib/adv3/en_us/instruct.t"));
  if (english.isEmpty() || instruct.isEmpty())
    GTEST_SKIP() << "adv3 library not found in BRISVANE_TADS_DIR (lib/adv3/)";
  const QStringList contexts = QString::fromUtf8(contextsOf(lexTads(english))).split(" | ");
  for (const char* entry : {"take/taking (what)@VerbRule(Take).verbPhrase", "pick!@VerbRule(Take)",
                            "north@DefineLangDir(north)"})
    EXPECT_TRUE(contexts.contains(entry)) << entry;
  const LexResult menus = lexTads(instruct);
  const int declaration = instruct.indexOf("InstructionsMenu template 'title'");
  ASSERT_GE(declaration, 0);
  for (const TadsLiteral& lit : menus.literals)
    EXPECT_FALSE(lit.begin > declaration && lit.begin < instruct.indexOf(';', declaration));
  EXPECT_TRUE(contextsOf(menus).contains("How to Play Interactive Fiction@topInstructionsMenu#0"));
}
