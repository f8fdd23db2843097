// One row per directory under cases/: the tool runs in a fresh copy of the
// case's work/ folder and must leave exactly the recorded exit code, standard
// error and files. Layout of a case directory:
//   args             one argument per line (an empty file: no arguments)
//   work/            optional: the starting content of the working directory
//   expected_exit    the exit code, a decimal number
//   expected_stderr  the bytes of standard error; ${WORK} stands for the
//                    absolute path of the working directory
//   expected/        optional: files that must exist after the run with
//                    exactly these bytes, and the directories that hold them
//   unchanged        optional marker: nothing else in the working directory
//                    may be created, changed or removed
// A file named .gitkeep in work/ or expected/ only stands for its directory,
// which git would not keep empty. Standard output must stay empty.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "e2e/e2e_support.h"

namespace {

using testfiles::listing;
using testfiles::readFile;
using testfiles::readTree;
using testfiles::Tree;

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesRecording) {
  const QDir caseDir(QString(BRISVANE_E2E_CASES) + '/' + QString::fromStdString(GetParam()));
  const auto caseFile = [&](const char* name) { return readFile(caseDir.filePath(name)); };
  for (const char* required : {"args", "expected_exit", "expected_stderr"}) {
    ASSERT_TRUE(caseDir.exists(required)) << "missing " << required;
  }
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  // The tool prints absolute paths as the system resolves them.
  const QString work = QDir(temp.path()).canonicalPath();
  if (caseDir.exists("work")) {
    ASSERT_TRUE(e2e::copyTree(caseDir.filePath("work"), work));
  }
  const Tree before = readTree(work);

  QString args = QString::fromUtf8(caseFile("args"));
  args.chop(args.endsWith('\n') ? 1 : 0);
  const ProcessRun run = e2e::runTool(args.isEmpty() ? QStringList() : args.split('\n'), work);
  ASSERT_TRUE(run.finished) << "the tool did not run to its end";
  EXPECT_EQ(caseFile("expected_exit").trimmed().toInt(), run.exitCode);
  EXPECT_EQ(caseFile("expected_stderr").toStdString(),
            QByteArray(run.standardError).replace(work.toUtf8(), "${WORK}").toStdString());
  EXPECT_EQ("", run.standardOutput.toStdString());

  // Without the marker only the expected entries are compared; with it, the
  // whole tree must be the one before the run with the expected entries laid over.
  const Tree after = readTree(work);
  const Tree expected = readTree(caseDir.filePath("expected"));
  Tree want = caseDir.exists("unchanged") ? before : Tree();
  Tree got = caseDir.exists("unchanged") ? after : Tree();
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    want.insert(it.key(), it.value());
    if (after.contains(it.key())) got.insert(it.key(), after.value(it.key()));
  }
  EXPECT_EQ(listing(want), listing(got));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase,
                         testing::ValuesIn(testfiles::folderEntries(BRISVANE_E2E_CASES)),
                         testfiles::caseName);

}  // namespace
