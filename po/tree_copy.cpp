#include "po/tree_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

bool copyLink(const QString& from, const QString& to) {
  QByteArray target(4096, '\0');
  const ssize_t length =
      ::readlink(QFile::encodeName(from).constData(), target.data(), target.size());
  if (length < 0) return false;
  target.truncate(int(length));
  return ::symlink(target.constData(), QFile::encodeName(to).constData()) == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes, QFileDevice::Permissions permissions) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
         file.setPermissions(permissions);
}

/// The copied files' latest modification time and the files written anew.
struct CopyTimes {
  time_t latestCopied = 0;
  QStringList written;
};

/// Gives the file `to` the access and modification times of `from`, as
/// `cp -p` does; returns the modification time in whole seconds.
bool keepTimes(const QString& from, const QString& to, time_t& modified) {
  struct stat status;
  if (::stat(QFile::encodeName(from).constData(), &status) != 0) return false;
  const struct timespec times[2] = {status.st_atim, status.st_mtim};
  modified = status.st_mtim.tv_sec;
  return ::utimensat(AT_FDCWD, QFile::encodeName(to).constData(), times, 0) == 0;
}

/// Dates every written file a whole second after the latest copied one, or
/// now when that is later.
bool dateWritten(const CopyTimes& times, QString& error) {
  const time_t stamp = std::max(std::time(nullptr), times.latestCopied + 1);
  const struct timespec both[2] = {{stamp, 0}, {stamp, 0}};
  for (const QString& path : times.written) {
    if (::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), both, 0) != 0) {
      error = QStringLiteral("%1: cannot set its time: %2")
                  .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
      return false;
    }
  }
  return true;
}

bool copyEntries(const QString& rootDir, const QString& into,
                 const QHash<QString, QString>& transformed, const FileTransform& transform,
                 CopyTimes& times, QString& error) {
  const QDir root(QFileInfo(rootDir).absoluteFilePath());
  QDirIterator entries(root.path(),
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
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
    } else {
      QByteArray bytes;
      if (transformed.contains(info.absoluteFilePath()) &&
          !transform(info.absoluteFilePath(), bytes, error)) {
        return false;
      }
      if (!bytes.isNull()) {
        ok = writeFile(to, bytes, info.permissions());
        times.written << to;
      } else {
        time_t modified = 0;
        ok = QFile::copy(from, to) && keepTimes(from, to, modified);
        times.latestCopied = std::max(times.latestCopied, modified);
      }
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
    error = QStringLiteral("%1: cannot create a folder beside it: %2")
                .arg(resDir, scratch.errorString());
    return false;
  }
  CopyTimes times;
  if (!copyEntries(rootDir, scratch.path(), transformed, transform, times, error) ||
      !dateWritten(times, error)) {
    return false;
  }
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
