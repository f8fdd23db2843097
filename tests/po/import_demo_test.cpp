// brisvane-po import end to end on the demo game: get mode's untouched
// document becomes a PO file with nothing translated; the corrected document
// of examples/corrected/, applied, carries every correction new mode of
// Brisvane carries for literals on one line. (The same corrections re-saved
// by office programs are cases under fixtures/cases/.)
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextCodec>

#include "po_test_support.h"

namespace {

const QString kGame = QStringLiteral(BRISVANE_EXAMPLES "/game");

QStringList sourceLines(const QString& path) {
  QString text = QTextCodec::codecForName("CP1251")->toUnicode(testfiles::readFile(path));
  return text.remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
}

class ImportDemo : public ::testing::TestWithParam<std::string> {};

TEST_P(ImportDemo, CorrectionsArriveWhereNewModePutsThem) {
  QTemporaryDir dir;
  const QString format = QString::fromStdString(GetParam());
  const auto brisvane = [&](const QStringList& arguments) {
    return runProcess(
        BRISVANE_EXE,
        QStringList{"--root-dir=" + kGame, "--format=" + format, "--ignore=stdlib"} + arguments,
        dir.path());
  };
  const auto import = [&](const QString& document, const QString& po) {
    const ProcessRun run = potest::runPo({"import", "--root-dir=" + kGame, "--format=" + format,
                                          "--in-doc=" + document, "--ignore=stdlib", "-o", po},
                                         dir.path());
    EXPECT_EQ(0, run.exitCode);
    EXPECT_TRUE(run.standardError.isEmpty()) << run.standardError.constData();
    return run.standardOutput.toStdString();
  };
  const QString untouched = dir.filePath("demo." + format);
  ASSERT_EQ(0, brisvane({"--mode=get", "--res-file=" + untouched}).exitCode);
  EXPECT_EQ(
      dir.filePath("same.po").toStdString() + ": 0 of 39 entries translated, 0 fuzzy; 0 reported\n",
      import(untouched, dir.filePath("same.po")));

  const QString corrected = QStringLiteral(BRISVANE_EXAMPLES "/corrected/demo.") + format;
  ASSERT_EQ(0, brisvane({"--mode=new", "--in-doc=" + corrected, "--res-dir=" + dir.filePath("new")})
                   .exitCode);
  // Its corrected rows all stand on literals of one line; the one that
  // changed the inner literals of an embedded expression comes in as their
  // own entries.
  EXPECT_EQ(dir.filePath("demo.po").toStdString() +
                ": 16 of 39 entries translated, 0 fuzzy; 0 reported\n",
            import(corrected, dir.filePath("demo.po")));
  const ProcessRun check =
      runProcess("msgfmt", {"-c", "-o", "/dev/null", dir.filePath("demo.po")}, dir.path());
  EXPECT_EQ(0, check.exitCode) << check.standardError.constData();
  ASSERT_TRUE(potest::ranPo({"apply", "--root-dir=" + kGame, "--po=" + dir.filePath("demo.po"),
                             "--ignore=stdlib", "--to-charset=source",
                             "--res-dir=" + dir.filePath("po")}));

  // Every line new mode changed reads the same in the applied copy, but for
  // the escaped quote that new mode leaves as the document's entity.
  int changedLines = 0;
  for (const QString& relative : testfiles::readTree(kGame).keys()) {
    if (!relative.endsWith(".t") || relative.startsWith("stdlib/")) continue;
    const QStringList original = sourceLines(kGame + '/' + relative);
    const QStringList byNewMode = sourceLines(dir.filePath("new/" + relative));
    const QStringList byPo = sourceLines(dir.filePath("po/" + relative));
    ASSERT_EQ(original.size(), byPo.size()) << relative.toStdString();
    for (int i = 0; i < original.size() && i < byNewMode.size(); ++i) {
      if (byNewMode[i] == original[i]) continue;
      ++changedLines;
      EXPECT_EQ(QString(byNewMode[i]).replace("&quot;", "\\\""), byPo[i])
          << relative.toStdString() << ":" << i + 1;
    }
  }
  EXPECT_GT(changedLines, 5);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportDemo, ::testing::Values("html", "csv"),
                         testfiles::caseName);

}  // namespace
