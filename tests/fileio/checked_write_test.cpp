// The checked write on a working disk, on a device that refuses every byte
// and on a file that hits the process's file-size limit part way through (a
// full disk as far as the writer can tell, without root or a mount).
#include "fileio/checked_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "console_capture.h"
#include "test_files.h"

namespace {

// Lowers the file-size limit for the life of the guard. Writing past it fails
// with EFBIG instead of killing the process, as SIGXFSZ is ignored meanwhile.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

}  // namespace

// Each failure is told apart, leaves no partial file, and its reason is the
// system's words for the error; a write that succeeds leaves the bytes given.
TEST(CheckedWrite, WritesOrTellsTheFailureApartAndLeavesNoPartialFile) {
  QTemporaryDir temp;
  using Status = WriteOutcome::Status;
  const struct {
    const char* name;
    QString path;
    int size;      // bytes written
    rlim_t limit;  // file-size limit; 0: none
    Status expected;
    bool fileRemains;
    int reason;  // the errno whose words a failed write reports
  } cases[] = {
      {"missing folder", temp.filePath("none/doc.html"), 10, 0, Status::NotOpened, false, 0},
      {"a folder", temp.path(), 10, 0, Status::NotOpened, true, 0},
      // A few bytes fail only when the file's buffer is flushed on closing.
      {"full device, small", "/dev/full", 10, 0, Status::WriteFailed, true, ENOSPC},
      {"full device, large", "/dev/full", 200000, 0, Status::WriteFailed, true, ENOSPC},
      {"cut short, small", temp.filePath("short.t"), 5000, 4096, Status::WriteFailed, false, EFBIG},
      {"cut short, large", temp.filePath("long.t"), 200000, 4096, Status::WriteFailed, false,
       EFBIG},
      {"within limit", temp.filePath("fits.t"), 200000, 400000, Status::Written, true, 0},
  };
  for (const auto& c : cases) {
    for (bool asStream : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (asStream ? " (stream)" : " (bytes)"));
      if (c.path == "/dev/full" && !QFileInfo::exists(c.path)) continue;
      const QByteArray bytes(c.size, 'x');
      WriteOutcome outcome;
      {
        const FileSizeLimit limit(c.limit ? c.limit : RLIM_INFINITY);
        outcome = asStream ? checkedWrite(c.path, [&bytes](QTextStream& out) { out << bytes; })
                           : checkedWrite(c.path, bytes);
      }
      EXPECT_EQ(static_cast<int>(c.expected), static_cast<int>(outcome.status));
      EXPECT_EQ(outcome.written(), outcome.reason.isEmpty()) << outcome.reason.toStdString();
      EXPECT_EQ(c.fileRemains, QFileInfo::exists(c.path));
      if (c.expected == Status::WriteFailed) {
        EXPECT_EQ(std::strerror(c.reason), outcome.reason.toLocal8Bit().toStdString());
      } else if (c.expected == Status::Written) {
        EXPECT_EQ(bytes, testfiles::readFile(c.path));
      }
    }
  }
}

TEST(CheckedWrite, ErrorLineNamesThePathAndTheReason) {
  ConsoleCapture console;
  printWriteError(QString::fromUtf8("out/\u0437\u0430\u043b.t"),
                  {WriteOutcome::Status::WriteFailed, "No space left on device"});
  EXPECT_EQ("Error! Cannot write file  \"out/\u0437\u0430\u043b.t\"  (No space left on device). \n",
            console.text().toStdString());
}
