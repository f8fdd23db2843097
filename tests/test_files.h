#ifndef BRISVANE_TESTS_TEST_FILES_H
#define BRISVANE_TESTS_TEST_FILES_H

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace testfiles {

/// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString& path);

/// Writes `bytes` as the whole content of `path`, creating its folders.
bool writeFile(const QString& path, const QByteArray& bytes);

/// A folder tree: "/"-separated path below its root -> bytes. A folder is
/// listed as its path with a trailing "/" and no bytes.
using Tree = QMap<QString, QByteArray>;

/// Every file and folder below `root`, hidden ones included, except files
/// named ".gitkeep" (they only keep an otherwise empty folder in git). Links
/// are followed only when `followLinks`.
Tree readTree(const QString& root, bool followLinks = false);

/// A tree as text, "[path] bytes" an entry, so that a failed comparison
/// shows which entries differ.
std::string listing(const Tree& tree);

/// The names of the entries of `folder` that match `nameFilters` (all when
/// empty), sorted: the parameters of a data-driven test.
std::vector<std::string> folderEntries(const QString& folder, const QStringList& nameFilters = {});

/// A parameter's name as a test name: every character but letters and
/// digits becomes "_".
std::string caseName(const testing::TestParamInfo<std::string>& info);

}  // namespace testfiles

#endif
