#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "po/po_catalog.h"
#include "po_test_support.h"
#include "tadslex/tads_lexer.h"

using namespace potest;

namespace {

QVector<PoEntry> readEntries(const QString& path) {
  QVector<PoEntry> entries;
  QString error;
  EXPECT_TRUE(readPoFile(path, entries, error)) << error.toStdString();
  return entries;
}

/// A project of `files` files holding every form of literal many times.
void generateProject(const QString& root, int files) {
  for (int f = 0; f < files; ++f) {
    QByteArray text = "#charset \"latin1\"\n// File " + QByteArray::number(f) + ": don't\n";
    for (int o = 0; o < 40; ++o) {
      const QByteArray n = QByteArray::number(f * 100 + o);
      text += "thing" + n + ": Thing 'thing " + n + "' 'thing'\n"
              "    desc = \"Thing number " + n + " stands\n        here, <<isLit ? 'lit' : 'dark'>>,\n"
              "        quite \\\"still\\\". \"\n"
              "    mood = \"<<one of>>calm " + n + "<<or>>angry<<stopping>>\"\n"
              "    name = '''thing's " + n + "'''\n    pattern = R'thing" + n + "'\n;\n";
    }
    writeFile(root + QStringLiteral("/part%1/file%2.t").arg(f % 7).arg(f), text);
  }
  QFile::link(QStringLiteral("part1"), root + QStringLiteral("/linked"));
}

/// Extracts, checks the template with gettext's tools, applies it untranslated
/// and expects the copy to be the project byte for byte.
void expectIdentity(const QString& root, const QStringList& options) {
  QTemporaryDir work;
  const QString pot = work.filePath(QStringLiteral("game.pot"));
  const ProcessRun extract =
      runPo(QStringList{"extract", "--root-dir=" + root, "-o", pot} + options);
  ASSERT_EQ(extract.exitCode, 0) << shown(extract);
  const QVector<PoEntry> entries = readEntries(pot);
  EXPECT_FALSE(entries.isEmpty());
  // The project named relative to the working folder, as users type it.
  const QString copy = work.filePath(QStringLiteral("copy"));
  const ProcessRun apply =
      runPo(QStringList{"apply", "--root-dir=" + QFileInfo(root).fileName(), "--po=" + pot,
                        "--res-dir=" + copy} + options,
            QFileInfo(root).absolutePath());
  ASSERT_EQ(apply.exitCode, 0) << shown(apply);
  EXPECT_TRUE(readTree(root) == readTree(copy)) << root.toStdString();

  if (tool("msgfmt").isEmpty() || tool("pocount").isEmpty()) {
    GTEST_SKIP() << "msgfmt or pocount is not installed";
  }
  const ProcessRun check = runProcess(tool("msgfmt"), {"-c", "-o", "/dev/null", pot}, work.path());
  EXPECT_EQ(check.exitCode, 0) << shown(check);
  const ProcessRun count = runProcess(tool("pocount"), {"--csv", pot}, work.path());
  const QStringList row = QString::fromUtf8(count.standardOutput).trimmed().split('\n').last().split(',');
  EXPECT_EQ(row.value(8).trimmed().toInt(), entries.size()) << shown(count);
}

TEST(PoRoundTrip, IdentityOnTheDemoGame) {
  expectIdentity(QStringLiteral(BRISVANE_EXAMPLES "/game"), {});
}

TEST(PoRoundTrip, IdentityOnEveryLiteralForm) {
  expectIdentity(fixture(QStringLiteral("forms")), {QStringLiteral("--ignore=ignored")});
}

TEST(PoRoundTrip, IdentityOnALargeGeneratedProject) {
  QTemporaryDir work;
  generateProject(work.filePath(QStringLiteral("big")), 120);
  expectIdentity(work.filePath(QStringLiteral("big")), {});
}

TEST(PoRoundTrip, TheTemplateHoldsEachTextOnceWithItsPlaces) {
  QTemporaryDir work;
  const QString pot = work.filePath(QStringLiteral("forms.pot"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + fixture("forms"), "--ignore=ignored", "-o", pot}).exitCode, 0);
  QMap<QString, PoEntry> byText;
  for (const PoEntry& entry : readEntries(pot)) byText.insert(entry.msgid, entry);
  EXPECT_FALSE(byText.contains(QStringLiteral("Never in the template. ")));
  EXPECT_FALSE(byText.contains(QStringLiteral("12345")));
  EXPECT_FALSE(byText.contains(QStringLiteral("not text")));
  EXPECT_FALSE(byText.contains(QStringLiteral("[a-z]+ lamp")));
  EXPECT_TRUE(byText.contains(QStringLiteral("Старая лампа. ")));
  EXPECT_TRUE(byText.contains(QStringLiteral("A damp cellar. Ключ лежит здесь. ")));
  EXPECT_TRUE(byText.contains(QStringLiteral("A hall with a café sign over the door.  It reads \\\"Welcome\\\". ")));
  EXPECT_TRUE(byText.contains(QStringLiteral("A small grey pebble.  It sits  quietly. ")));
  EXPECT_TRUE(byText.contains(QStringLiteral("A wall over sev-eral lines. ")));
  EXPECT_EQ(byText.value(QStringLiteral("lamp")).references, QStringList{"main.t:8"});
  EXPECT_TRUE(byText.value(QStringLiteral("Bob\\'s")).comments.join(' ').contains("vocabulary or code"));
}

TEST(PoRoundTrip, ContextByDefinitionTranslatesOneObjectOnly) {
  QTemporaryDir work;
  const QString root = work.filePath(QStringLiteral("game"));
  writeFile(root + QStringLiteral("/game.t"),
            "lamp: Thing\n    desc = \"It is old. \"\n;\nbox: Thing\n    desc = \"It is old. \"\n;\n");
  const QString pot = work.filePath(QStringLiteral("game.pot"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + root, "--context=definition", "-o", pot}).exitCode, 0);
  QVector<PoEntry> entries = readEntries(pot);
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0].context, QStringLiteral("lamp"));
  EXPECT_EQ(entries[1].context, QStringLiteral("box"));
  entries[1].msgstr = QStringLiteral("Ящик стар. ");
  QString error;
  ASSERT_TRUE(writePoFile(pot, templateHeader(), entries, error));
  const QString copy = work.filePath(QStringLiteral("copy"));
  const ProcessRun apply =
      runPo({"apply", "--root-dir=" + root, "--po=" + pot, "--res-dir=" + copy, "--to-charset=utf-8"});
  ASSERT_EQ(apply.exitCode, 0) << shown(apply);
  EXPECT_EQ(readFile(copy + QStringLiteral("/game.t")),
            QByteArray("\xEF\xBB\xBFlamp: Thing\n    desc = \"It is old. \"\n;\nbox: Thing\n"
                       "    desc = \"Ящик стар. \"\n;\n"));
}

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
  if (tool("podebug").isEmpty()) GTEST_SKIP() << "podebug (Translate Toolkit) is not installed";
  QTemporaryDir work;
  const QString root = fixture(QStringLiteral("forms"));
  const QString pot = work.filePath(QStringLiteral("forms.pot"));
  const QString po = work.filePath(QStringLiteral("xxx.po"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + root, "-o", pot}).exitCode, 0);
  ASSERT_EQ(runProcess(tool("podebug"), {"--rewrite=xxx", pot, po}, work.path()).exitCode, 0);
  const QString copy = work.filePath(QStringLiteral("copy"));
  const ProcessRun apply = runPo({"apply", "--root-dir=" + root, "--po=" + po, "--res-dir=" + copy});
  ASSERT_EQ(apply.exitCode, 0) << shown(apply);
  const QString again = work.filePath(QStringLiteral("again.pot"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + copy, "-o", again}).exitCode, 0);

  const QVector<PoEntry> applied = readEntries(po);
  QStringList expected;
  for (const PoEntry& entry : applied) expected << withInnerTranslations(entry.msgstr, applied);
  QStringList found;
  for (const PoEntry& entry : readEntries(again)) found << entry.msgid;
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
  if (tool("msgmerge").isEmpty()) GTEST_SKIP() << "msgmerge is not installed";
  QTemporaryDir work;
  const QString first = work.filePath(QStringLiteral("v1.pot"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + fixture("update/v1"), "-o", first}).exitCode, 0);
  QVector<PoEntry> translated = readEntries(first);
  for (PoEntry& entry : translated) entry.msgstr = QStringLiteral("Ru: ") + entry.msgid;
  QString error;
  const QString firstPo = work.filePath(QStringLiteral("v1.po"));
  ASSERT_TRUE(writePoFile(firstPo, templateHeader(), translated, error));

  const QString second = work.filePath(QStringLiteral("v2.pot"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + fixture("update/v2"), "-o", second}).exitCode, 0);
  const QString merged = work.filePath(QStringLiteral("v2.po"));
  ASSERT_EQ(runProcess(tool("msgmerge"), {"-q", "-o", merged, firstPo, second}, work.path()).exitCode, 0);
  const QString copy = work.filePath(QStringLiteral("copy"));
  const ProcessRun apply =
      runPo({"apply", "--root-dir=" + fixture("update/v2"), "--po=" + merged, "--res-dir=" + copy});
  ASSERT_EQ(apply.exitCode, 0) << shown(apply);
  const QString again = work.filePath(QStringLiteral("again.pot"));
  ASSERT_EQ(runPo({"extract", "--root-dir=" + copy, "-o", again}).exitCode, 0);
  QStringList texts;
  for (const PoEntry& entry : readEntries(again)) texts << entry.msgid;
  QStringList fuzzy;
  for (const PoEntry& entry : readEntries(merged)) {
    if (entry.fuzzy) fuzzy << entry.msgid;
  }
  for (const char* unchanged : {"Ru: An old brass lamp. ", "Ru: It is warm. ", "Ru: A cold cellar. ",
                                "Ru: Hall", "Ru: brass lamp"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(unchanged))) << unchanged;
  }
  for (const char* edited : {"A dusty hall with a long oak table in it. ", "A wooden box with a lid. "}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(edited))) << edited;
    EXPECT_TRUE(fuzzy.contains(QString::fromUtf8(edited))) << edited;
  }
  for (const char* fresh : {"A gold coin. ", "It hums softly. "}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(fresh))) << fresh;
  }
}

}  // namespace
