// brisvane-check as a translator runs it: the command line, the report, and
// the round trip "editor re-save, --write-clean, new mode" for every shape
// of document the fixtures reproduce.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "check/check_test_support.h"

namespace {

using checktest::fixture;
using checktest::readFile;
using checktest::readTree;
using checktest::runProgram;

checktest::ProgramRun runCheck(const QStringList& arguments, const QString& directory) {
  return runProgram(QStringLiteral(BRISVANE_CHECK_EXE), arguments, directory);
}

struct RoundTrip {
  const char* document;
  const char* format;
};

void PrintTo(const RoundTrip& c, std::ostream* out) { *out << c.document; }

const RoundTrip kRoundTrips[] = {
    {"writer.html", "html"},    {"gdocs.html", "html"},       {"calc_plain.csv", "csv"},
    {"calc_quoted.csv", "csv"}, {"calc_tab_utf8.csv", "csv"}, {"corrected.html", "html"},
    {"corrected.csv", "csv"},
};

class CleanRoundTrip : public testing::TestWithParam<RoundTrip> {};

// Every fixture carries the same corrections in another editor's shape: the
// clean document is get mode's form of them, byte for byte, and new mode
// delivers all of them.
TEST_P(CleanRoundTrip, DeliversEveryCorrectionThroughNewMode) {
  QTemporaryDir work;
  const QString format = QString::fromLatin1(GetParam().format);
  const QString clean = work.filePath(QStringLiteral("clean.") + format);
  const auto check =
      runCheck({"--root-dir=" + fixture("game"), "--format=" + format,
                "--in-doc=" + fixture(GetParam().document), "--write-clean=" + clean},
               work.path());
  ASSERT_TRUE(check.finished);
  EXPECT_EQ(0, check.exitCode) << check.standardOutput.constData();
  EXPECT_EQ(readFile(fixture("corrected." + format)), readFile(clean));

  const auto newMode =
      runProgram(QStringLiteral(BRISVANE_EXE),
                 {"--mode=new", "--root-dir=" + fixture("game"), "--format=" + format,
                  "--in-doc=" + clean, "--res-dir=" + work.filePath("copy")},
                 work.path());
  ASSERT_TRUE(newMode.finished);
  EXPECT_EQ(readTree(fixture("expected")), readTree(work.filePath("copy")));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CleanRoundTrip, testing::ValuesIn(kRoundTrips),
                         [](const testing::TestParamInfo<RoundTrip>& info) {
                           QString name = QString::fromLatin1(info.param.document);
                           return name.replace('.', '_').toStdString();
                         });

TEST(CheckCommandLine, ReportsTheFixtureThatHoldsEveryProblemAndExitsWithOne) {
  const auto run = runCheck(
      {"--root-dir=problems/game", "--format", "html", "--in-doc=problems/every_problem.html"},
      fixture(QString()));
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ(readFile(fixture("problems/expected_report.txt")), run.standardOutput);
}

TEST(CheckCommandLine, AnswersHelpVersionAndUsageErrors) {
  const struct {
    QStringList arguments;
    int exitCode;
    const char* standardOutputStart;
    const char* standardError;
  } cases[] = {
      {{"--help"}, 0, "Usage: brisvane-check [options]\n", ""},
      {{"-V"}, 0, "brisvane-check 1.2\n", ""},
      {{}, 2, "", "brisvane-check: --root-dir is required\nTry 'brisvane-check --help'.\n"},
      {{"--root-dir=game", "--format=xml", "--in-doc=corrected.html"},
       2,
       "",
       "brisvane-check: --format must be html or csv, not 'xml'\nTry 'brisvane-check --help'.\n"},
      {{"--mode=get"},
       2,
       "",
       "brisvane-check: Unknown option 'mode'.\nTry 'brisvane-check --help'.\n"},
      {{"--root-dir=nowhere", "--format=html", "--in-doc=corrected.html"},
       2,
       "",
       "brisvane-check: the root dir \"nowhere\" is not a directory\n"},
      {{"--root-dir=game", "--format=html", "--in-doc=missing.html"},
       2,
       "",
       "brisvane-check: cannot read \"missing.html\"\n"},
  };
  for (const auto& c : cases) {
    const auto run = runCheck(c.arguments, fixture(QString()));
    ASSERT_TRUE(run.finished) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(c.exitCode, run.exitCode) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.standardOutput.startsWith(c.standardOutputStart))
        << run.standardOutput.constData();
    EXPECT_EQ(QByteArray(c.standardError), run.standardError);
  }
}

}  // namespace
