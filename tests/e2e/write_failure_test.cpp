// A write that fails after the file was opened: the run names the file,
// removes what it could not finish, keeps what it did finish, and ends with
// exit code 1 instead of "Finished". A full device serves get mode anywhere;
// a full file system needs a small tmpfs, which only root can mount.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFileInfo>
#include <QProcess>
#include <algorithm>

#include "e2e/e2e_support.h"

namespace {

using e2e::getArgs;
using e2e::newArgs;
using testfiles::readTree;

class WriteFailure : public e2e::Workspace {
 protected:
  void SetUp() override {
    // Sources of about 3 KB: one tmpfs page per patched copy.
    for (const QByteArray name : {"a", "b", "c", "d"}) {
      QByteArray source = name + ": Thing\n";
      for (int i = 0; i < 60; ++i)
        source += "  p" + QByteArray::number(i) + " = 'text of " + name + "';\n";
      write(QString::fromLatin1("game/" + name + ".t"), source);
    }
  }
  void TearDown() override {
    if (mounted_) QProcess::execute("umount", {at("full")});
  }

  // Mounts a tmpfs of `kilobytes` at full/, or skips the test.
  void mountSmallFileSystem(int kilobytes) {
    if (geteuid() != 0)
      GTEST_SKIP() << "a full disk is tested only as root (it mounts a small tmpfs)";
    ASSERT_TRUE(QDir().mkpath(at("full")));
    const int code = QProcess::execute(
        "mount", {"-t", "tmpfs", "-o", QString("size=%1k").arg(kilobytes), "tmpfs", at("full")});
    if (code != 0) GTEST_SKIP() << "a small tmpfs cannot be mounted here (exit " << code << ")";
    mounted_ = true;
  }

  // Runs the tool and expects it to fail with standard error ending in
  // `lastFile` and the failed write to `target`.
  void expectFailure(const QStringList& args, const char* lastFile, const QString& target) {
    const ProcessRun run = e2e::runTool(args, work_);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(1, run.exitCode);
    const std::string tail = std::string("Process file:  \"") + lastFile +
                             "\" \nError! Cannot write file  \"" + shown(target.toUtf8()) +
                             "\"  (No space left on device). \n";
    const std::string got = shown(run.standardError);
    EXPECT_EQ(tail, got.substr(got.size() - std::min(got.size(), tail.size()))) << got;
    EXPECT_EQ(std::string::npos, got.find("Finished"));
  }

  bool mounted_ = false;
};

TEST_F(WriteFailure, GetModeIntoAFullDevice) {
  if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (const QString format : {"html", "csv"}) {
    SCOPED_TRACE(format.toStdString());
    expectFailure(getArgs(format, "/dev/full"), "d", "/dev/full");
  }
}

TEST_F(WriteFailure, GetModeIntoAFullFileSystemLeavesNoDocument) {
  mountSmallFileSystem(4);
  expectFailure(getArgs("html", at("full/doc.html")), "d", at("full/doc.html"));
  EXPECT_FALSE(QFileInfo::exists(at("full/doc.html")));
}

TEST_F(WriteFailure, NewModeStopsAtTheFirstCopyThatDoesNotFit) {
  mountSmallFileSystem(8);  // two pages: a.t and b.t fit, c.t does not
  ASSERT_EQ(0, e2e::runTool(getArgs("csv", "doc.csv"), work_).exitCode);
  ASSERT_EQ(0, e2e::runTool(newArgs("csv", "doc.csv", "roomy"), work_).exitCode);
  expectFailure(newArgs("csv", "doc.csv", at("full/out")), "c", at("full/out/c.t"));
  testfiles::Tree expected = readTree(at("roomy"));
  expected.remove("c.t");
  expected.remove("d.t");
  EXPECT_EQ(expected, readTree(at("full/out")));
  EXPECT_EQ(2, expected.size());
}

}  // namespace
