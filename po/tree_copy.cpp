#include "po/tree_copy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

bool copyLink(const QString& from, const QString& to) {
  QByteArray target(4096, '\0');
  const ssize_t length = ::readlink(QFile::encodeName(from).constData(), target.data(), target.size());
  if (length < 0) return false;
  target.truncate(int(length));
  return ::symlink(target.constData(), QFile::encodeName(to).constData()) == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes, QFileDevice::Permissions permissions) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
         file.setPermissions(permissions);
}

bool copyEntries(const QString& rootDir, const QString& into,
                 const QHash<QString, QString>& transformed, const FileTransform& transform,
                 QString& error) {
  const QDir root(QFileInfo(rootDir).absoluteFilePath());
  QDirIterator entries(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
  while (entries.hasNext()) {
    const QString from = entries.next();
    const QFileInfo info = entries.fileInfo();
    const QString to = into + QLatin1Char('/') + root.relativeFilePath(from);
    bool ok = true;
    if (info.isSymLink()) {
      ok = copyLink(from, to);
    } else if (info.isDir()) {
      ok = QDir().mkpath(to) && QFile::setPermissions(to, info.permissions());
    } else if (transformed.contains(info.absoluteFilePath())) {
      QByteArray bytes;
      if (!transform(info.absoluteFilePath(), bytes, error)) return false;
      ok = writeFile(to, bytes, info.permissions());
    } else {
      ok = QFile::copy(from, to);
    }
    if (!ok) {
      error = QStringLiteral("%1: cannot copy to %2").arg(from, to);
      return false;
    }
  }
  return true;
}

}  // namespace

bool copyTree(const QString& rootDir, const QString& resDir,
              const QHash<QString, QString>& transformed, const FileTransform& transform,
              QString& error) {
  const QFileInfo result(resDir);
  QTemporaryDir scratch(result.absolutePath() + QStringLiteral("/.") + result.fileName() +
                        QStringLiteral(".partial-XXXXXX"));
  if (!scratch.isValid()) {
    error = QStringLiteral("%1: cannot create a folder beside it").arg(resDir);
    return false;
  }
  if (!copyEntries(rootDir, scratch.path(), transformed, transform, error)) return false;
  QFile::setPermissions(scratch.path(), QFileInfo(rootDir).permissions());
  if (result.isDir() && !QDir().rmdir(resDir)) {
    error = QStringLiteral("%1: cannot replace the empty folder").arg(resDir);
    return false;
  }
  if (!QDir().rename(scratch.path(), resDir)) {
    error = QStringLiteral("%1: cannot rename %2 to it").arg(resDir, scratch.path());
    return false;
  }
  scratch.setAutoRemove(false);
  return true;
}
