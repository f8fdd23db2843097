// brisvane-po import end to end on the demo game: the corrected documents of
// examples/corrected/ become PO files; applied, they carry every correction
// new mode of Brisvane carries for literals on one line. (The same
// corrections re-saved by office programs are cases under fixtures/cases/.)
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

class ImportDemo : public ::testing::TestWithParam<std::string> {
 protected:
  QString path(const QString& name) const { return dir_.filePath(name); }
  ProcessRun brisvane(const QStringList& arguments) {
    return runProcess(
        QStringLiteral(BRISVANE_EXE),
        QStringList{"--root-dir=" + kGame, "--format=" + format_, "--ignore=stdlib"} + arguments,
        dir_.path());
  }
  ProcessRun import(const QString& document, const QString& po) {
    return potest::runPo({"import", "--root-dir=" + kGame, "--format=" + format_,
                          "--in-doc=" + document, "--ignore=stdlib", "-o", po},
                         dir_.path());
  }
  QTemporaryDir dir_;
  const QString format_ = QString::fromStdString(GetParam());
};

TEST_P(ImportDemo, UnchangedDocumentGivesAnUntranslatedPo) {
  const QString document = path(QStringLiteral("demo.") + format_);
  const ProcessRun get = brisvane({"--mode=get", "--res-file=" + document});
  ASSERT_EQ(0, get.exitCode) << get.standardError.constData();
  const ProcessRun run = import(document, path(QStringLiteral("same.po")));
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.standardError.isEmpty()) << run.standardError.constData();
  EXPECT_TRUE(run.standardOutput.endsWith(": 0 of 39 entries translated, 0 fuzzy; 0 reported\n"))
      << run.standardOutput.constData();
}

TEST_P(ImportDemo, CorrectionsArriveWhereNewModePutsThem) {
  const QString corrected = QStringLiteral(BRISVANE_EXAMPLES "/corrected/demo.") + format_;
  const ProcessRun newMode =
      brisvane({"--mode=new", "--in-doc=" + corrected, "--res-dir=" + path("new")});
  ASSERT_EQ(0, newMode.exitCode) << newMode.standardError.constData();

  const ProcessRun imported = import(corrected, path(QStringLiteral("demo.po")));
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
  ASSERT_TRUE(potest::ranPo({"apply", "--root-dir=" + kGame, "--po=" + path("demo.po"),
                             "--ignore=stdlib", "--to-charset=source", "--res-dir=" + path("po")}));

  // Every line new mode changed reads the same in the applied copy, but for
  // the escaped quote that new mode leaves as the document's entity.
  int changedLines = 0;
  for (const QString& relative : potest::readTree(kGame).keys()) {
    if (!relative.endsWith(QLatin1String(".t")) || relative.startsWith(QLatin1String("stdlib/")))
      continue;
    const QStringList original = sourceLines(kGame + '/' + relative);
    const QStringList byNewMode = sourceLines(path("new/") + relative);
    const QStringList byPo = sourceLines(path("po/") + relative);
    ASSERT_EQ(original.size(), byPo.size()) << relative.toStdString();
    for (int i = 0; i < original.size() && i < byNewMode.size(); ++i) {
      if (byNewMode[i] == original[i]) continue;
      ++changedLines;
      EXPECT_EQ(QString(byNewMode[i]).replace(QLatin1String("&quot;"), QLatin1String("\\\"")),
                byPo[i])
          << relative.toStdString() << ":" << i + 1;
    }
  }
  EXPECT_GT(changedLines, 5);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportDemo, ::testing::Values("html", "csv"),
                         testfiles::caseName);

}  // namespace
