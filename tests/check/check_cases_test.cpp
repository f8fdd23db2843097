// brisvane-check as a translator runs it, one case per folder under
// fixtures/cases/, run in fixtures/ so that a case names its project and
// documents by their paths there. $OUT stands for an empty scratch folder.
//   args             brisvane-check's arguments, one per line
//   expected_exit    its exit code
//   expected_stdout  its standard output
//   expected_stderr  optional: its standard error (else it must stay empty)
//   new_args         optional: new mode then runs with these arguments
//   expected_out/    optional: the scratch folder at the end, byte for byte
//                    (else it must stay empty); may link to shared fixtures
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "check/check_test_support.h"

namespace {

using checktest::fixture;
using testfiles::readFile;

class CheckCase : public testing::TestWithParam<std::string> {};

TEST_P(CheckCase, MatchesItsRecording) {
  const QDir folder(fixture(QStringLiteral("cases/") + QString::fromStdString(GetParam())));
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  const auto argumentsOf = [&](const char* file) {
    return QString::fromUtf8(readFile(folder.filePath(file)))
        .replace(QStringLiteral("$OUT"), scratch.path())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  };
  const auto expected = [&](const char* file) { return readFile(folder.filePath(file)); };
  const auto withOut = [&](QByteArray bytes) {
    return bytes.replace(scratch.path().toUtf8(), "$OUT").toStdString();
  };

  const ProcessRun check =
      runProcess(QStringLiteral(BRISVANE_CHECK_EXE), argumentsOf("args"), fixture(QString()));
  ASSERT_TRUE(check.finished);
  EXPECT_EQ(expected("expected_exit").trimmed().toInt(), check.exitCode);
  EXPECT_EQ(expected("expected_stdout").toStdString(), withOut(check.standardOutput));
  EXPECT_EQ(expected("expected_stderr").toStdString(), withOut(check.standardError));
  if (folder.exists(QStringLiteral("new_args"))) {
    const ProcessRun newMode =
        runProcess(QStringLiteral(BRISVANE_EXE), argumentsOf("new_args"), fixture(QString()));
    ASSERT_TRUE(newMode.finished) << newMode.standardError.constData();
  }
  EXPECT_EQ(checktest::treeText(folder.filePath(QStringLiteral("expected_out"))),
            checktest::treeText(scratch.path()));
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckCase,
                         testing::ValuesIn(testfiles::folderEntries(fixture("cases"))),
                         testfiles::caseName);

}  // namespace
