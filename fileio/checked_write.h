#ifndef BRISVANE_FILEIO_CHECKED_WRITE_H
#define BRISVANE_FILEIO_CHECKED_WRITE_H

#include <QByteArray>
#include <QString>
#include <functional>

class QTextStream;

/// What became of a file written whole by checkedWrite.
struct WriteOutcome {
  enum class Status {
    Written,     ///< every byte reached the file and it closed cleanly
    NotOpened,   ///< the file could not be opened for writing; nothing was written
    WriteFailed  ///< a write, the flush or the close failed; the file was removed
  };
  Status status = Status::Written;
  QString reason;  ///< the system's words for the failure; empty when written

  bool written() const { return status == Status::Written; }
};

/// Opens `path` for writing (truncating it), lets `fill` write through a text
/// stream on it (`fill` chooses the codec), flushes the stream and closes the
/// file, then checks the stream's and the file's status. After a failed write
/// (a full disk, a quota, an I/O error) the incomplete file is removed when it
/// is a regular file, so nothing that looks finished but is cut short stays
/// behind; a device, a pipe or a link is left alone. Prints nothing: the
/// caller words the error in its own tool's style.
WriteOutcome checkedWrite(const QString& path, const std::function<void(QTextStream&)>& fill);

/// The same for bytes that are ready: writes `bytes` as the whole content of
/// `path`.
WriteOutcome checkedWrite(const QString& path, const QByteArray& bytes);

/// Brisvane's console line for a failed write of `path`:
///   Error! Cannot write file  "out.html"  (No space left on device).
void printWriteError(const QString& path, const WriteOutcome& outcome);

#endif
