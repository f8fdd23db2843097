#include "e2e/e2e_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextCodec>

namespace e2e {

Tree readTree(const QString& root) {
  Tree tree;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
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

bool copyTree(const QString& from, const QString& to) {
  const Tree tree = readTree(from);
  bool copied = QDir().mkpath(to);
  for (auto it = tree.cbegin(); copied && it != tree.cend(); ++it) {
    const QString path = to + '/' + it.key();
    copied = path.endsWith('/') ? QDir().mkpath(path) : writeFile(path, it.value());
  }
  return copied;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
         file.write(bytes) == bytes.size();
}

QByteArray toCp1251(const QString& text) {
  return QTextCodec::codecForName("CP1251")->fromUnicode(text);
}

QByteArray withCrLf(QByteArray bytes) { return bytes.replace("\r\n", "\n").replace("\n", "\r\n"); }

}  // namespace e2e
