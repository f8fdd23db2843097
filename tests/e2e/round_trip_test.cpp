// Get mode followed by new mode with the untouched document gives back every
// source file of a generated project with only its line ends changed (LF ->
// CR LF; CR LF stays). The project leaves out what the tool itself changes on
// the way (see SyntheticForms::documentRoundTrip) and, in CSV, empty
// literals (they have no row, so a placeholder stays, or the whole line when
// it is row 0).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench/synthetic_source.h"
#include "e2e/e2e_support.h"

namespace {

class RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, UntouchedDocumentGivesSourcesBackWithCrLfLineEnds) {
  const QString format = QString::fromStdString(GetParam());
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  // A hundred files over three levels of folders, some with CR LF line ends.
  ASSERT_GT(writeSyntheticProject(temp.filePath("game"), 100, 100 * 1500, {true, format == "html"}),
            0);
  const testfiles::Tree sources = testfiles::readTree(temp.filePath("game"));
  for (const QStringList& args :
       {e2e::getArgs(format, "doc." + format), e2e::newArgs(format, "doc." + format, "out")}) {
    const ProcessRun run = e2e::runTool(args, temp.path());
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(0, run.exitCode) << run.standardError.toStdString();
    EXPECT_FALSE(run.standardError.contains("Warning") || run.standardError.contains("Error"))
        << run.standardError.toStdString();
  }
  testfiles::Tree copies = testfiles::readTree(temp.filePath("out"));
  for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
    EXPECT_EQ(e2e::withCrLf(it.value()).toStdString(), copies.take(it.key()).toStdString())
        << it.key().toStdString();
  }
  EXPECT_EQ(QStringList(), copies.keys()) << "copies that are no source";
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::Values("html", "csv"), testfiles::caseName);

}  // namespace
