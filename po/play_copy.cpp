#include "po/play_copy.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "po/tree_copy.h"

namespace {

/// Sets the modification (and access) time of `path` to `seconds` since the
/// epoch plus `nanoseconds`.
bool setModified(const QString& path, qint64 seconds, long nanoseconds) {
  timespec times[2];
  times[0].tv_sec = times[1].tv_sec = time_t(seconds);
  times[0].tv_nsec = times[1].tv_nsec = nanoseconds;
  return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) ==
         0;
}

/// Gives every file below `into` the modification time of its original in `from`.
bool keepTimes(const QString& from, const QString& into, QString& error) {
  const QDir source(QFileInfo(from).absoluteFilePath());
  QDirIterator files(source.path(), QDir::Files | QDir::Hidden | QDir::System,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString path = files.next();
    if (files.fileInfo().isSymLink()) continue;
    struct stat original;
    const QString copied = into + QLatin1Char('/') + source.relativeFilePath(path);
    if (::lstat(QFile::encodeName(path).constData(), &original) != 0 ||
        !setModified(copied, original.st_mtim.tv_sec, original.st_mtim.tv_nsec)) {
      error = QStringLiteral("%1: cannot set its modification time").arg(copied);
      return false;
    }
  }
  return true;
}

}  // namespace

bool PlayCopy::create(const QString& from, const QString& into, QString& error) {
  root_ = into;
  changed_.clear();
  return copyTree(from, into, {}, FileTransform(), error) && keepTimes(from, into, error);
}

bool PlayCopy::write(const QString& relativePath, const QByteArray& bytes, QString& error) {
  QFile file(root_ + QLatin1Char('/') + relativePath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
      !file.flush()) {
    error = QStringLiteral("%1: cannot write: %2").arg(file.fileName(), file.errorString());
    return false;
  }
  file.close();
  // A whole second past the clock: newer than every object file built so far.
  if (!setModified(file.fileName(), QDateTime::currentSecsSinceEpoch() + 1, 0)) {
    error = QStringLiteral("%1: cannot set its modification time").arg(file.fileName());
    return false;
  }
  return true;
}
