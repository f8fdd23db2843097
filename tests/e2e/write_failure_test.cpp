// A write that fails after the file was opened: the run names the file,
// removes what it could not finish, keeps what it did finish, and ends with
// exit code 1 instead of "Finished". A full device and a file-size limit (a
// full disk as far as the tool can tell) serve anywhere; a full file system
// needs a small tmpfs, which only root can mount.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFileInfo>
#include <QProcess>
#include <algorithm>

#include "e2e/e2e_support.h"

namespace {

struct Failure {
  const char* name;
  bool newMode;  ///< it fails on c.t, the third copy; get mode on its document
  const char* format;
  const char* target;  ///< the document or the copy's folder, below the work folder
  int fullKilobytes;   ///< a tmpfs of this size at full/; 0: none
  bool sizeLimit;      ///< the tool runs with a file-size limit of 4 or 8 KB
};

void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.name; }

const Failure kFailures[] = {
    {"get_html_full_device", false, "html", "/dev/full", 0, false},
    {"get_csv_full_device", false, "csv", "/dev/full", 0, false},
    {"get_full_file_system", false, "html", "full/doc.html", 4, false},
    {"new_full_file_system", true, "csv", "full/out", 8, false},  // two pages: a.t and b.t fit
    {"new_file_size_limit", true, "csv", "out", 0, true},
};

class WriteFailure : public e2e::Workspace, public testing::WithParamInterface<Failure> {
 protected:
  void SetUp() override {
    // Copies of about 3 KB (one tmpfs page), but c.t of about 10 KB.
    for (const QByteArray name : {"a", "b", "c", "d"}) {
      QByteArray source = name + ": Thing\n";
      for (int i = 0; i < (name == "c" ? 450 : 60); ++i)
        source += "  p" + QByteArray::number(i) + " = 'text of " + name + "';\n";
      write(QString::fromLatin1("game/" + name + ".t"), source);
    }
  }
  void TearDown() override {
    if (mounted_) QProcess::execute("umount", {at("full")});
  }
  bool mounted_ = false;
};

TEST_P(WriteFailure, NamesTheFileKeepsWhatItFinishedAndEndsWithOne) {
  const Failure& f = GetParam();
  const QString target = f.target[0] == '/' ? QString(f.target) : at(f.target);
  const QString failed = f.newMode ? target + "/c.t" : target;
  if (target == "/dev/full" && !QFileInfo::exists(target)) GTEST_SKIP() << "no /dev/full here";
  if (f.fullKilobytes) {
    if (geteuid() != 0)
      GTEST_SKIP() << "a full file system is tested only as root (it mounts a small tmpfs)";
    ASSERT_TRUE(QDir().mkpath(at("full")));
    const int code = QProcess::execute(
        "mount",
        {"-t", "tmpfs", "-o", QString("size=%1k").arg(f.fullKilobytes), "tmpfs", at("full")});
    if (code != 0) GTEST_SKIP() << "a small tmpfs cannot be mounted here (exit " << code << ")";
    mounted_ = true;
  }
  if (f.newMode) {
    ASSERT_EQ(0, e2e::runTool(e2e::getArgs(f.format, "doc.csv"), work_).exitCode);
    ASSERT_EQ(0, e2e::runTool(e2e::newArgs(f.format, "doc.csv", "roomy"), work_).exitCode);
  }
  const QStringList args =
      f.newMode ? e2e::newArgs(f.format, "doc.csv", target) : e2e::getArgs(f.format, target);
  // The limit in the shell's blocks (512 or 1024 bytes); SIGXFSZ ignored,
  // a write past it fails with EFBIG.
  const ProcessRun run =
      f.sizeLimit ? runProcess("/bin/sh",
                               QStringList{"-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"",
                                           BRISVANE_EXE} +
                                   args,
                               work_)
                  : e2e::runTool(args, work_);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(1, run.exitCode);
  const std::string tail = std::string("Process file:  \"") + (f.newMode ? "c" : "d") +
                           "\" \nError! Cannot write file  \"" + shown(failed.toUtf8()) + "\"  (" +
                           (f.sizeLimit ? "File too large" : "No space left on device") + "). \n";
  const std::string got = shown(run.standardError);
  EXPECT_EQ(tail, got.substr(got.size() - std::min(got.size(), tail.size()))) << got;
  EXPECT_EQ(std::string::npos, got.find("Finished"));
  if (f.newMode) {
    testfiles::Tree expected = testfiles::readTree(at("roomy"));
    expected.remove("c.t");
    expected.remove("d.t");
    EXPECT_EQ(2, expected.size());
    EXPECT_EQ(expected, testfiles::readTree(target));
  } else if (failed != "/dev/full") {
    EXPECT_FALSE(QFileInfo::exists(failed));
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, WriteFailure, testing::ValuesIn(kFailures),
                         testing::PrintToStringParamName());

}  // namespace
