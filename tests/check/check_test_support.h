#ifndef BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H
#define BRISVANE_TESTS_CHECK_CHECK_TEST_SUPPORT_H

#include <QString>

#include "process_run.h"
#include "test_files.h"

namespace checktest {

/// The path of a fixture below tests/check/fixtures.
inline QString fixture(const QString& relative) {
  return QStringLiteral(BRISVANE_CHECK_FIXTURES) + QLatin1Char('/') + relative;
}

/// Everything below `root` as one text, links followed (a case's expected
/// folder may link to shared fixtures).
inline std::string treeText(const QString& root) {
  return testfiles::listing(testfiles::readTree(root, true));
}

}  // namespace checktest

#endif
