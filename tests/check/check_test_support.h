#ifndef BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H
#define BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "process_run.h"

namespace checktest {

using ProgramRun = ProcessRun;

/// Runs `program` with `arguments` in `workingDirectory` and waits for it.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QString& workingDirectory, int timeoutMs = 60000) {
  return runProcess(program, arguments, workingDirectory, timeoutMs);
}

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
