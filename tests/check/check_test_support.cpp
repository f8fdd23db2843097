#include "check/check_test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <cctype>

namespace checktest {

std::string readTree(const QString& root) {
  QMap<QString, QByteArray> entries;
  QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
  while (it.hasNext()) {
    const QString path = QDir(root).relativeFilePath(it.next());
    entries[it.fileInfo().isDir() ? path + QLatin1Char('/') : path] = readFile(it.filePath());
  }
  QByteArray tree;
  for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry) {
    tree += "== " + entry.key().toUtf8() + '\n' + entry.value();
  }
  return tree.toStdString();
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString fixture(const QString& relative) {
  return QStringLiteral(BRISVANE_CHECK_FIXTURES) + QLatin1Char('/') + relative;
}

std::vector<std::string> fixtureEntries(const QString& folder, const QStringList& nameFilters) {
  std::vector<std::string> names;
  for (const QString& name :
       QDir(fixture(folder)).entryList(nameFilters, QDir::AllEntries | QDir::NoDotAndDotDot)) {
    names.push_back(name.toStdString());
  }
  return names;
}

std::string testName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

}  // namespace checktest
