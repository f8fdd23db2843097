// brisvane-po as a user runs it, one case per folder under fixtures/cases/,
// run in fixtures/ so that a case names its projects and files by their
// paths there. $OUT stands for an empty scratch folder.
//   args             the arguments, one per line
//   expected_exit    the exit code
//   expected_stdout  optional: standard output (else it must stay empty)
//   expected_stderr  optional: standard error (else it must stay empty)
//   expected_out/    optional: the scratch folder at the end, byte for byte,
//                    a PO file's creation date read as DATE (else it must
//                    stay empty); may link to another case's
// Nothing below fixtures/ may change.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "po_test_support.h"

namespace {

using potest::fixture;
using testfiles::readFile;

class PoCase : public testing::TestWithParam<std::string> {};

TEST_P(PoCase, MatchesItsRecording) {
  const QDir folder(fixture(QStringLiteral("cases/") + QString::fromStdString(GetParam())));
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  const auto expected = [&](const char* file) { return readFile(folder.filePath(file)); };
  const auto withOut = [&](QByteArray bytes) {
    return bytes.replace(scratch.path().toUtf8(), "$OUT").toStdString();
  };
  const QMap<QString, QByteArray> fixturesBefore = potest::readTree(fixture(QString()));

  const ProcessRun run = potest::runPo(QString::fromUtf8(expected("args"))
                                           .replace(QStringLiteral("$OUT"), scratch.path())
                                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                                       fixture(QString()));
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(expected("expected_exit").trimmed().toInt(), run.exitCode);
  EXPECT_EQ(expected("expected_stdout").toStdString(), withOut(run.standardOutput));
  EXPECT_EQ(expected("expected_stderr").toStdString(), withOut(run.standardError));
  testfiles::Tree out = testfiles::readTree(scratch.path());
  for (auto it = out.begin(); it != out.end(); ++it) {
    if (!it.key().contains(QLatin1String(".po"))) continue;
    it.value() =
        QString::fromUtf8(it.value())
            .replace(QRegularExpression(QStringLiteral("(Creation-Date: )[-0-9]+ [0-9:]+\\+0000")),
                     QStringLiteral("\\1DATE"))
            .toUtf8();
  }
  EXPECT_EQ(testfiles::listing(
                testfiles::readTree(folder.filePath(QStringLiteral("expected_out")), true)),
            testfiles::listing(out));
  EXPECT_TRUE(potest::readTree(fixture(QString())) == fixturesBefore) << "a fixture changed";
}

INSTANTIATE_TEST_SUITE_P(Cases, PoCase,
                         testing::ValuesIn(testfiles::folderEntries(fixture("cases"))),
                         testfiles::caseName);

}  // namespace
