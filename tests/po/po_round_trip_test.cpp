#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "po_test_support.h"
#include "tadslex/tads_lexer.h"

using namespace potest;

namespace {

/// A project of `files` files holding every form of literal many times.
void generateProject(const QString& root, int files) {
  for (int f = 0; f < files; ++f) {
    QByteArray text = "#charset \"latin1\"\n// File " + QByteArray::number(f) + ": don't\n";
    for (int o = 0; o < 40; ++o) {
      const QByteArray n = QByteArray::number(f * 100 + o);
      text += "thing" + n + ": Thing 'thing " + n +
              "' 'thing'\n"
              "    desc = \"Thing number " +
              n +
              " stands\n        here, <<isLit ? 'lit' : 'dark'>>,\n"
              "        quite \\\"still\\\". \"\n"
              "    mood = \"<<one of>>calm " +
              n +
              "<<or>>angry<<stopping>>\"\n"
              "    name = '''thing's " +
              n + "'''\n    pattern = R'thing" + n + "'\n;\n";
    }
    testfiles::writeFile(root + QStringLiteral("/part%1/file%2.t").arg(f % 7).arg(f), text);
  }
  QFile::link(QStringLiteral("part1"), root + QStringLiteral("/linked"));
}

QStringList msgids(const QString& path) {
  QStringList texts;
  for (const PoEntry& entry : readEntries(path)) texts << entry.msgid;
  return texts;
}

/// Extracts, checks the template with gettext's tools, applies it untranslated
/// and expects the copy to be the project byte for byte: on the demo game, on
/// every literal form, and on a large generated project.
class PoIdentity : public testing::TestWithParam<std::string> {};

TEST_P(PoIdentity, AnUntranslatedTemplateGivesTheProjectBack) {
  QTemporaryDir work;
  QString root = fixture(QStringLiteral("forms"));
  QStringList options{QStringLiteral("--ignore=ignored")};
  if (GetParam() == "demo") root = QStringLiteral(BRISVANE_EXAMPLES "/game");
  if (GetParam() == "generated") generateProject(root = work.filePath(QStringLiteral("big")), 120);
  if (GetParam() != "forms") options.clear();
  const QString pot = work.filePath(QStringLiteral("game.pot"));
  ASSERT_TRUE(ranPo(QStringList{"extract", "--root-dir=" + root, "-o", pot} + options));
  const int entries = readEntries(pot).size();
  EXPECT_GT(entries, 0);
  // The project named relative to the working folder, as users type it.
  const QString copy = work.filePath(QStringLiteral("copy"));
  ASSERT_TRUE(ranPo(QStringList{"apply", "--root-dir=" + QFileInfo(root).fileName(), "--po=" + pot,
                                "--res-dir=" + copy} +
                        options,
                    QFileInfo(root).absolutePath()));
  EXPECT_TRUE(readTree(root) == readTree(copy)) << root.toStdString();

  if (tool("msgfmt").isEmpty() || tool("pocount").isEmpty()) {
    GTEST_SKIP() << "gettext or translate-toolkit not installed (msgfmt, pocount)";
  }
  const ProcessRun check = runProcess(tool("msgfmt"), {"-c", "-o", "/dev/null", pot}, work.path());
  EXPECT_EQ(check.exitCode, 0) << shown(check);
  const ProcessRun count = runProcess(tool("pocount"), {"--csv", pot}, work.path());
  const QStringList row =
      QString::fromUtf8(count.standardOutput).trimmed().split('\n').last().split(',');
  EXPECT_EQ(row.value(8).trimmed().toInt(), entries) << shown(count);
}

INSTANTIATE_TEST_SUITE_P(Projects, PoIdentity, testing::Values("demo", "forms", "generated"),
                         testfiles::caseName);

/// `translation` with the translations of the single-quoted entries that
/// stand inside its embedded expressions put in: what apply writes there.
QString withInnerTranslations(QString translation, const QVector<PoEntry>& entries) {
  for (const PoEntry& inner : entries) {
    const QString from = '\'' + inner.msgid + '\'';
    const QString to = '\'' + inner.msgstr + '\'';
    if (translation.contains("<<") && translation.contains(from)) translation.replace(from, to);
  }
  return translation;
}

/// The bytes of a file outside its literals' bodies.
QList<QByteArray> codeOf(const QByteArray& source) {
  QList<QByteArray> code;
  int from = 0;
  for (const TadsLiteral& literal : lexTads(source).literals) {
    if (literal.depth > 0) continue;
    code << source.mid(from, literal.bodyBegin - from);
    from = literal.bodyEnd;
  }
  return code << source.mid(from);
}

TEST(PoRoundTrip, APseudoTranslationComesBackFromTheCopy) {
  if (tool("podebug").isEmpty()) GTEST_SKIP() << "translate-toolkit not installed (podebug)";
  QTemporaryDir work;
  const QString root = fixture(QStringLiteral("forms"));
  const QString pot = work.filePath(QStringLiteral("forms.pot"));
  const QString po = work.filePath(QStringLiteral("xxx.po"));
  const QString copy = work.filePath(QStringLiteral("copy"));
  const QString again = work.filePath(QStringLiteral("again.pot"));
  ASSERT_TRUE(ranPo({"extract", "--root-dir=" + root, "-o", pot}));
  ASSERT_EQ(runProcess(tool("podebug"), {"--rewrite=xxx", pot, po}, work.path()).exitCode, 0);
  ASSERT_TRUE(ranPo(
      {"apply", "--root-dir=" + root, "--po=" + po, "--res-dir=" + copy, "--to-charset=source"}));
  ASSERT_TRUE(ranPo({"extract", "--root-dir=" + copy, "-o", again}));

  const QVector<PoEntry> applied = readEntries(po);
  QStringList expected;
  for (const PoEntry& entry : applied) expected << withInnerTranslations(entry.msgstr, applied);
  QStringList found = msgids(again);
  expected.sort();
  found.sort();
  EXPECT_EQ(found, expected);

  const QMap<QString, QByteArray> before = readTree(root);
  const QMap<QString, QByteArray> after = readTree(copy);
  ASSERT_EQ(before.keys(), after.keys());
  for (const QString& path : before.keys()) {
    if (path.endsWith(QLatin1String(".t"))) {
      EXPECT_EQ(codeOf(before[path]), codeOf(after[path])) << path.toStdString();
    } else {
      EXPECT_EQ(before[path], after[path]) << path.toStdString();
    }
  }
}

TEST(PoRoundTrip, AnUpdateCarriesUnchangedTextsOnly) {
  if (tool("msgmerge").isEmpty()) GTEST_SKIP() << "gettext not installed (msgmerge)";
  QTemporaryDir work;
  const auto at = [&](const char* name) { return work.filePath(QString::fromLatin1(name)); };
  const QString v2 = fixture(QStringLiteral("update/v2"));
  ASSERT_TRUE(ranPo({"extract", "--root-dir=" + fixture("update/v1"), "-o", at("v1.pot")}));
  QVector<PoEntry> translated = readEntries(at("v1.pot"));
  for (PoEntry& entry : translated) entry.msgstr = QStringLiteral("Ru: ") + entry.msgid;
  QString error;
  ASSERT_TRUE(writePoFile(at("v1.po"), templateHeader(), translated, error));

  ASSERT_TRUE(ranPo({"extract", "--root-dir=" + v2, "-o", at("v2.pot")}));
  ASSERT_EQ(runProcess(tool("msgmerge"), {"-q", "-o", at("v2.po"), at("v1.po"), at("v2.pot")},
                       work.path())
                .exitCode,
            0);
  ASSERT_TRUE(
      ranPo({"apply", "--root-dir=" + v2, "--po=" + at("v2.po"), "--res-dir=" + at("copy")}));
  ASSERT_TRUE(ranPo({"extract", "--root-dir=" + at("copy"), "-o", at("again.pot")}));
  const QStringList texts = msgids(at("again.pot"));
  QStringList fuzzy;
  for (const PoEntry& entry : readEntries(at("v2.po"))) {
    if (entry.fuzzy) fuzzy << entry.msgid;
  }
  for (const char* unchanged : {"Ru: An old brass lamp. ", "Ru: It is warm. ",
                                "Ru: A cold cellar. ", "Ru: Hall", "Ru: brass lamp"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(unchanged))) << unchanged;
  }
  for (const char* edited :
       {"A dusty hall with a long oak table in it. ", "A wooden box with a lid. "}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(edited))) << edited;
    EXPECT_TRUE(fuzzy.contains(QString::fromUtf8(edited))) << edited;
  }
  for (const char* fresh : {"A gold coin. ", "It hums softly. "}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(fresh))) << fresh;
  }
}

}  // namespace
