#include "test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cctype>

namespace testfiles {

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
         file.write(bytes) == bytes.size();
}

Tree readTree(const QString& root, bool followLinks) {
  Tree tree;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  followLinks ? QDirIterator::Subdirectories | QDirIterator::FollowSymlinks
                              : QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString relative = QDir(root).relativeFilePath(it.next());
    if (it.fileInfo().isDir()) {
      tree.insert(relative + '/', QByteArray());
    } else if (it.fileName() != ".gitkeep") {
      tree.insert(relative, readFile(it.filePath()));
    }
  }
  return tree;
}

std::string listing(const Tree& tree) {
  std::string text;
  for (auto it = tree.cbegin(); it != tree.cend(); ++it)
    text += "[" + it.key().toStdString() + "] " + it.value().toStdString() + "\n";
  return text;
}

std::vector<std::string> folderEntries(const QString& folder, const QStringList& nameFilters) {
  std::vector<std::string> names;
  for (const QString& name :
       QDir(folder).entryList(nameFilters, QDir::AllEntries | QDir::NoDotAndDotDot)) {
    names.push_back(name.toStdString());
  }
  return names;
}

std::string caseName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

}  // namespace testfiles
