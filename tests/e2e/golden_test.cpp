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
#include <QFileInfo>
#include <QTemporaryDir>
#include <cctype>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"

namespace {

using e2e::Tree;

const QString kWorkToken = QStringLiteral("${WORK}");

QString casesRoot() { return QStringLiteral(BRISVANE_E2E_CASES); }

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const QString& name : QDir(casesRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    names.push_back(name.toStdString());
  return names;
}

std::string gtestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

std::string bytes(const QByteArray& data) { return data.toStdString(); }

QStringList argumentsOf(const QByteArray& file) {
  QString text = QString::fromUtf8(file);
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.isEmpty()) return {};
  return text.split(QLatin1Char('\n'));
}

// The expected tree without the .gitkeep placeholders, which only stand for
// their directory.
Tree expectedTree(const QString& root) {
  Tree tree = e2e::readTree(root);
  for (auto it = tree.begin(); it != tree.end();) {
    if (QFileInfo(it.key()).fileName() == QLatin1String(".gitkeep")) {
      it = tree.erase(it);
    } else {
      ++it;
    }
  }
  return tree;
}

QByteArray caseFile(const QDir& caseDir, const char* name) {
  return e2e::readFile(caseDir.filePath(QLatin1String(name)));
}

// Every entry of `expected` is in `after` with the same bytes.
void expectPresent(const Tree& expected, const Tree& after) {
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    const std::string name = bytes(it.key().toUtf8());
    if (!after.contains(it.key())) {
      ADD_FAILURE() << "missing after the run: " << name;
    } else {
      EXPECT_EQ(bytes(it.value()), bytes(after.value(it.key()))) << "in " << name;
    }
  }
}

// Outside `expected`, the tree after the run is the tree before it.
void expectUnchanged(const Tree& before, const Tree& after, const Tree& expected) {
  QStringList paths = before.keys() + after.keys();
  paths.removeDuplicates();
  for (const QString& path : paths) {
    if (expected.contains(path)) continue;
    const std::string name = bytes(path.toUtf8());
    if (!before.contains(path)) {
      ADD_FAILURE() << "created: " << name;
    } else if (!after.contains(path)) {
      ADD_FAILURE() << "removed: " << name;
    } else {
      EXPECT_EQ(bytes(before.value(path)), bytes(after.value(path))) << "changed: " << name;
    }
  }
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesRecording) {
  const QDir caseDir(casesRoot() + QLatin1Char('/') + QString::fromStdString(GetParam()));
  for (const char* required : {"args", "expected_exit", "expected_stderr"}) {
    ASSERT_TRUE(caseDir.exists(QLatin1String(required))) << "missing " << required;
  }
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  // The tool prints absolute paths as the system resolves them.
  const QString work = QDir(temp.path()).canonicalPath();
  if (caseDir.exists(QStringLiteral("work"))) {
    ASSERT_TRUE(e2e::copyTree(caseDir.filePath(QStringLiteral("work")), work));
  }
  const Tree before = e2e::readTree(work);

  const e2e::ToolRun run = e2e::runTool(argumentsOf(caseFile(caseDir, "args")), work);
  ASSERT_TRUE(run.finished) << "the tool did not run to its end";

  const int expectedExit = caseFile(caseDir, "expected_exit").trimmed().toInt();
  EXPECT_EQ(expectedExit, run.exitCode);
  const std::string expectedStderr = bytes(caseFile(caseDir, "expected_stderr"));
  QByteArray standardError = run.standardError;
  standardError.replace(work.toUtf8(), kWorkToken.toUtf8());
  EXPECT_EQ(expectedStderr, bytes(standardError));
  EXPECT_EQ("", bytes(run.standardOutput));

  const Tree after = e2e::readTree(work);
  Tree expected;
  if (caseDir.exists(QStringLiteral("expected"))) {
    expected = expectedTree(caseDir.filePath(QStringLiteral("expected")));
  }
  expectPresent(expected, after);
  if (caseDir.exists(QStringLiteral("unchanged"))) expectUnchanged(before, after, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(caseNames()), gtestName);

}  // namespace
