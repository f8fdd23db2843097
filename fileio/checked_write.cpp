#include "fileio/checked_write.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cerrno>
#include <cstring>

#include "console/console_line.h"

namespace {

// Removes what a failed write left at `path`, but only a regular file that
// is not a link: truncating a device such as /dev/full is harmless, removing
// its node is not.
void removeIncomplete(const QString& path) {
  const QFileInfo info(path);
  if (info.isFile() && !info.isSymLink()) QFile::remove(path);
}

// The system's words for the failure. A write that the system cuts short
// (it took part of a block, then refused the rest) leaves Qt without a reason
// of its own ("Unknown error"), but errno still holds the refusal, so it is
// preferred when a failing step set it.
QString reasonOf(int errorNumber, const QFile& file) {
  if (errorNumber != 0) return QString::fromLocal8Bit(std::strerror(errorNumber));
  return file.errorString();
}

// `failedErrno`: -1 when the writing went well, else errno right after it.
WriteOutcome finish(QFile& file, int failedErrno) {
  // A write that failed earlier leaves its error on the file, but a close
  // whose own flush succeeds clears it, so it is taken first. Closing flushes
  // the file's buffer; a failure there (the usual place for "no space left"
  // with a small file) shows in error() after close().
  QString reason;
  if (failedErrno >= 0 || file.error() != QFileDevice::NoError) {
    reason = reasonOf(failedErrno > 0 ? failedErrno : 0, file);
  }
  errno = 0;
  file.close();
  if (reason.isEmpty() && file.error() != QFileDevice::NoError) reason = reasonOf(errno, file);
  if (reason.isEmpty()) return WriteOutcome{};
  removeIncomplete(file.fileName());
  return WriteOutcome{WriteOutcome::Status::WriteFailed, reason};
}

WriteOutcome notOpened(const QFile& file) {
  return WriteOutcome{WriteOutcome::Status::NotOpened, file.errorString()};
}

}  // namespace

WriteOutcome checkedWrite(const QString& path, const std::function<void(QTextStream&)>& fill) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return notOpened(file);
  int failedErrno = -1;
  {
    QTextStream out(&file);
    errno = 0;
    fill(out);
    out.flush();
    if (out.status() != QTextStream::Ok) failedErrno = errno;
  }
  return finish(file, failedErrno);
}

WriteOutcome checkedWrite(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return notOpened(file);
  errno = 0;
  const bool allWritten = file.write(bytes) == bytes.size();
  return finish(file, allWritten ? -1 : errno);
}

void printWriteError(const QString& path, const WriteOutcome& outcome) {
  ConsoleLine() << "Error! Cannot write file " << quoted(path)
                << QStringLiteral(" (%1).").arg(outcome.reason);
}
