// brisvane-po import end to end on the demo game: the corrected documents of
// examples/corrected/ become PO files; applied, they carry every correction
// new mode of Brisvane carries for literals on one line.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include "po/po_catalog.h"
#include "process_run.h"

namespace {

const QString kExamples = QStringLiteral(BRISVANE_EXAMPLES);

QStringList sourceLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text = QTextCodec::codecForName("CP1251")->toUnicode(file.readAll());
  text.remove(QLatin1Char('\r'));
  return text.split(QLatin1Char('\n'));
}

class ImportDemo : public ::testing::TestWithParam<const char*> {
 protected:
  ProcessRun po(const QStringList& arguments) {
    return runProcess(QStringLiteral(BRISVANE_PO_EXE), arguments, dir_.path());
  }
  QString path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_P(ImportDemo, UnchangedDocumentGivesAnUntranslatedPo) {
  const QString format = QString::fromLatin1(GetParam());
  const QString game = kExamples + QStringLiteral("/game");
  const QString document = path(QStringLiteral("demo.") + format);
  const ProcessRun get = runProcess(QStringLiteral(BRISVANE_EXE),
                                    {"--mode=get", "--root-dir=" + game, "--format=" + format,
                                     "--res-file=" + document, "--ignore=stdlib"},
                                    dir_.path());
  ASSERT_EQ(0, get.exitCode) << get.standardError.constData();
  const ProcessRun run = po({"import", "--root-dir=" + game, "--format=" + format,
                             "--in-doc=" + document, "--ignore=stdlib", "-o", path("same.po")});
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.standardError.isEmpty()) << run.standardError.constData();
  EXPECT_TRUE(run.standardOutput.endsWith(": 0 of 39 entries translated, 0 fuzzy; 0 reported\n"))
      << run.standardOutput.constData();
}

TEST_P(ImportDemo, CorrectionsArriveWhereNewModePutsThem) {
  const QString format = QString::fromLatin1(GetParam());
  const QString game = kExamples + QStringLiteral("/game");
  const QString corrected = kExamples + QStringLiteral("/corrected/demo.") + format;

  const ProcessRun newMode =
      runProcess(QStringLiteral(BRISVANE_EXE),
                 {"--mode=new", "--root-dir=" + game, "--format=" + format, "--in-doc=" + corrected,
                  "--ignore=stdlib", "--res-dir=" + path("new")},
                 dir_.path());
  ASSERT_EQ(0, newMode.exitCode) << newMode.standardError.constData();

  const ProcessRun imported =
      po({"import", "--root-dir=" + game, "--format=" + format, "--in-doc=" + corrected,
          "--ignore=stdlib", "-o", path("demo.po")});
  // Its corrected rows all stand on literals of one line; the one that
  // changed the inner literals of an embedded expression comes in as their
  // own entries.
  EXPECT_EQ(0, imported.exitCode) << imported.standardError.constData();
  EXPECT_TRUE(imported.standardError.isEmpty());
  EXPECT_TRUE(
      imported.standardOutput.endsWith(": 16 of 39 entries translated, 0 fuzzy; 0 reported\n"))
      << imported.standardOutput.constData();

  const ProcessRun check =
      runProcess(QStringLiteral("msgfmt"), {"-c", "-o", "/dev/null", path("demo.po")}, dir_.path());
  EXPECT_EQ(0, check.exitCode) << check.standardError.constData();

  const ProcessRun applied = po({"apply", "--root-dir=" + game, "--po=" + path("demo.po"),
                                 "--ignore=stdlib", "--res-dir=" + path("po")});
  ASSERT_EQ(0, applied.exitCode) << applied.standardError.constData();

  // Every line new mode changed reads the same in the applied copy, but for
  // the escaped quote that new mode leaves as the document's entity.
  int changedLines = 0;
  QDirIterator files(game, {"*.t"}, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString source = files.next();
    const QString relative = QDir(game).relativeFilePath(source);
    if (relative.startsWith(QLatin1String("stdlib/"))) continue;
    const QStringList original = sourceLines(source);
    const QStringList byNewMode = sourceLines(path("new/") + relative);
    const QStringList byPo = sourceLines(path("po/") + relative);
    ASSERT_EQ(original.size(), byPo.size()) << relative.toStdString();
    for (int i = 0; i < original.size() && i < byNewMode.size(); ++i) {
      if (byNewMode[i] == original[i]) continue;
      ++changedLines;
      QString expected = byNewMode[i];
      expected.replace(QLatin1String("&quot;"), QLatin1String("\\\""));
      EXPECT_EQ(expected, byPo[i]) << relative.toStdString() << ":" << i + 1;
    }
  }
  EXPECT_GT(changedLines, 5);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportDemo, ::testing::Values("html", "csv"));

// The same corrections re-saved by three office programs (brisvane-check's
// round-trip fixtures) give the same translations.
TEST(ImportOffice, DocumentsReSavedByEditorsGiveTheSameTranslations) {
  const QString fixtures = kExamples + QStringLiteral("/../tests/check/fixtures");
  const QString documents[][2] = {
      {"html", "roundtrip-writer-html/writer.html"},
      {"html", "roundtrip-gdocs-html/gdocs.html"},
      {"csv", "roundtrip-calc-quoted-csv/calc_quoted.csv"},
  };
  QTemporaryDir dir;
  QVector<QStringList> translations;
  for (const auto& document : documents) {
    const QString po = dir.filePath(QStringLiteral("out.po"));
    const ProcessRun run =
        runProcess(QStringLiteral(BRISVANE_PO_EXE),
                   {"import", "--root-dir=" + fixtures + "/game", "--format=" + document[0],
                    "--in-doc=" + fixtures + "/cases/" + document[1], "-o", po},
                   dir.path());
    EXPECT_EQ(0, run.exitCode) << run.standardError.constData();
    QVector<PoEntry> entries;
    QString error;
    ASSERT_TRUE(readPoFile(po, entries, error)) << error.toStdString();
    QStringList pairs;
    for (const PoEntry& entry : entries) {
      if (!entry.msgstr.isEmpty()) pairs << entry.msgid + QLatin1String(" -> ") + entry.msgstr;
    }
    translations.append(pairs);
  }
  EXPECT_EQ(9, translations[0].size());
  EXPECT_EQ(translations[0], translations[1]);
  EXPECT_EQ(translations[0], translations[2]);
}

}  // namespace
