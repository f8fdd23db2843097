// The round trip through PO with nothing translated. (What a translation
// does is held by the apply cases: podebug's pseudo-translation of every
// literal form, and a PO file msgmerge brought to a new version.)
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench/synthetic_source.h"
#include "po_test_support.h"

using namespace potest;

namespace {

/// Extracts, checks the template with gettext's tools, applies it untranslated
/// and expects the copy to be the project byte for byte: on the demo game, on
/// every literal form, and on a large generated project.
class PoIdentity : public testing::TestWithParam<std::string> {};

TEST_P(PoIdentity, AnUntranslatedTemplateGivesTheProjectBack) {
  QTemporaryDir work;
  QString root = fixture(QStringLiteral("forms"));
  QStringList options{QStringLiteral("--ignore=ignored")};
  if (GetParam() == "demo") root = QStringLiteral(BRISVANE_EXAMPLES "/game");
  if (GetParam() == "generated") {
    root = work.filePath(QStringLiteral("big"));
    ASSERT_GT(writeSyntheticProject(root, 120, 1500000, {false, false, true}), 0);
  }
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
  EXPECT_TRUE(testfiles::readTree(root) == testfiles::readTree(copy)) << root.toStdString();

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

}  // namespace
