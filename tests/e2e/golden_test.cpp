// The recorded cases of the three tools, one test per case folder: the tool
// runs and must leave exactly the recorded exit code, streams and files. The
// layout of a case folder is in docs/architecture.md ("Golden cases").
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "e2e/e2e_support.h"

namespace {

using testfiles::listing;
using testfiles::readFile;
using testfiles::readTree;
using testfiles::Tree;

struct Suite {
  const char* name;
  const char* tool;
  const char* fixtures;  ///< the folder the tool runs in; empty: the work folder
};

const Suite kSuites[] = {{"e2e", BRISVANE_EXE, ""},
                         {"check", BRISVANE_CHECK_EXE, BRISVANE_CHECK_FIXTURES},
                         {"po", BRISVANE_PO_EXE, BRISVANE_PO_FIXTURES}};

QString casesOf(const Suite& suite) {
  return *suite.fixtures ? QString(suite.fixtures) + "/cases" : QString(BRISVANE_E2E_CASES);
}

std::vector<std::string> allCases() {
  std::vector<std::string> cases;
  for (const Suite& suite : kSuites) {
    for (const std::string& name : testfiles::folderEntries(casesOf(suite)))
      cases.push_back(suite.name + ('/' + name));
  }
  return cases;
}

// The PO files' creation dates read as DATE.
Tree withoutDates(Tree tree) {
  static const QRegularExpression date(QStringLiteral("(Creation-Date: )[-0-9]+ [0-9:]+\\+0000"));
  for (auto it = tree.begin(); it != tree.end(); ++it) {
    if (it.key().contains(QLatin1String(".po")))
      it.value() = QString::fromUtf8(it.value()).replace(date, QStringLiteral("\\1DATE")).toUtf8();
  }
  return tree;
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesItsRecording) {
  const QString param = QString::fromStdString(GetParam());
  const Suite& suite = *std::find_if(std::begin(kSuites), std::end(kSuites), [&](const Suite& s) {
    return param.startsWith(QString(s.name) + '/');
  });
  const QDir caseDir(casesOf(suite) + param.mid(param.indexOf('/')));
  const auto caseFile = [&](const char* name) { return readFile(caseDir.filePath(name)); };
  QTemporaryDir workDir, scratchDir;
  ASSERT_TRUE(workDir.isValid() && scratchDir.isValid());
  // The tools print absolute paths as the system resolves them.
  const QString work = QDir(workDir.path()).canonicalPath();
  const QString scratch = QDir(scratchDir.path()).canonicalPath();
  if (caseDir.exists("work")) {
    ASSERT_TRUE(e2e::copyTree(caseDir.filePath("work"), work));
  }
  const QString runIn = *suite.fixtures ? QString(suite.fixtures) : work;
  const Tree before = readTree(work);
  const Tree fixturesBefore = *suite.fixtures ? readTree(runIn) : Tree();
  const auto argumentsOf = [&](const char* name) {
    return QString::fromUtf8(caseFile(name))
        .replace(QStringLiteral("$OUT"), scratch)
        .split('\n', Qt::SkipEmptyParts);
  };
  const auto shown = [&](QByteArray bytes) {
    return bytes.replace(work.toUtf8(), "${WORK}").replace(scratch.toUtf8(), "$OUT").toStdString();
  };

  const ProcessRun run = runProcess(suite.tool, argumentsOf("args"), runIn);
  ASSERT_TRUE(run.finished) << "the tool did not run to its end";
  EXPECT_EQ(caseFile("expected_exit").trimmed().toInt(), run.exitCode);
  EXPECT_EQ(caseFile("expected_stdout").toStdString(), shown(run.standardOutput));
  EXPECT_EQ(caseFile("expected_stderr").toStdString(), shown(run.standardError));
  if (caseDir.exists("new_args")) {
    const ProcessRun newMode = runProcess(BRISVANE_EXE, argumentsOf("new_args"), runIn);
    ASSERT_TRUE(newMode.finished) << newMode.standardError.constData();
  }

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
  EXPECT_EQ(listing(readTree(caseDir.filePath("expected_out"), true)),
            listing(withoutDates(readTree(scratch))));
  if (*suite.fixtures) {
    EXPECT_TRUE(readTree(runIn) == fixturesBefore) << "a fixture changed";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(allCases()), testfiles::caseName);

}  // namespace
