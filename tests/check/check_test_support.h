#ifndef BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H
#define BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace checktest {

/// What one run of a program left behind.
struct ProgramRun {
  bool finished = false;  ///< false when it did not start, crashed or ran out of time
  int exitCode = -1;
  QByteArray standardOutput;
  QByteArray standardError;
};

/// Runs `program` with `arguments` in `workingDirectory` and waits for it.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, int timeoutMs = 60000);

/// Everything below `root` as one text, so that a failed comparison shows
/// where two trees differ: in path order, "== dir/" for a directory and
/// "== dir/file" and its bytes for a file; links followed.
std::string readTree(const QString& root);

/// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString& path);

/// The path of a fixture below tests/check/fixtures.
QString fixture(const QString& relative);

/// The names of the entries of a fixture folder that match `nameFilters`
/// (all when empty), sorted: the parameters of a data-driven test.
std::vector<std::string> fixtureEntries(const QString& folder, const QStringList& nameFilters = {});

/// A parameter's name as a test name: every character but letters and
/// digits becomes "_".
std::string testName(const testing::TestParamInfo<std::string>& info);

}  // namespace checktest

#endif
