// A write that fails after the file was opened: the run names the file,
// removes what it could not finish, keeps what it did finish, and ends with
// exit code 1 instead of "Finished". A full device serves get mode anywhere;
// a full file system needs a small tmpfs, which only root can mount.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "e2e/e2e_support.h"

namespace {

using testfiles::readTree;
using testfiles::Tree;
using testfiles::writeFile;

// A source of about 3 KB: one tmpfs page per patched copy.
QByteArray pageSizedSource(const QByteArray& name) {
  QByteArray source = name + ": Thing\n";
  for (int i = 0; i < 60; ++i)
    source += "  p" + QByteArray::number(i) + " = 'text of " + name + "';\n";
  return source;
}

const QByteArray kNoSpace("(No space left on device). \n");

class WriteFailure : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a", "b", "c", "d"}) {
      ASSERT_TRUE(writeFile(at(QString("game/%1.t").arg(name)), pageSizedSource(name)));
    }
  }
  void TearDown() override {
    if (mounted_) QProcess::execute("umount", {mount_});
  }
  QString at(const QString& relative) const { return work_ + QLatin1Char('/') + relative; }

  // Mounts a tmpfs of `kilobytes` at work/full, or skips the test.
  void mountSmallFileSystem(int kilobytes) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    mount_ = at("full");
    ASSERT_TRUE(QDir().mkpath(mount_));
    const int code = QProcess::execute(
        "mount", {"-t", "tmpfs", "-o", QString("size=%1k").arg(kilobytes), "tmpfs", mount_});
    if (code != 0) GTEST_SKIP() << "tmpfs could not be mounted here (exit " << code << ")";
    mounted_ = true;
  }

  QTemporaryDir temp_;
  const QString work_ = QDir(temp_.path()).canonicalPath();
  QString mount_;
  bool mounted_ = false;
};

TEST_F(WriteFailure, GetModeIntoAFullDevice) {
  if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (const QString format : {"html", "csv"}) {
    SCOPED_TRACE(format.toStdString());
    const ProcessRun run = e2e::runTool(e2e::getArgs(format, "/dev/full"), work_);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(1, run.exitCode);
    EXPECT_TRUE(
        run.standardError.endsWith("Process file:  \"d\" \n"
                                   "Error! Cannot write file  \"/dev/full\"  " +
                                   kNoSpace))
        << run.standardError.toStdString();
    EXPECT_FALSE(run.standardError.contains("Finished"));
  }
}

TEST_F(WriteFailure, GetModeIntoAFullFileSystemLeavesNoDocument) {
  mountSmallFileSystem(4);
  const ProcessRun run = e2e::runTool(e2e::getArgs("html", mount_ + "/doc.html"), work_);
  EXPECT_EQ(1, run.exitCode);
  EXPECT_TRUE(run.standardError.endsWith("Error! Cannot write file  \"" + mount_.toUtf8() +
                                         "/doc.html\"  " + kNoSpace))
      << run.standardError.toStdString();
  EXPECT_FALSE(QFileInfo::exists(mount_ + "/doc.html"));
}

TEST_F(WriteFailure, NewModeStopsAtTheFirstCopyThatDoesNotFit) {
  mountSmallFileSystem(8);  // two pages: a.t and b.t fit, c.t does not
  ASSERT_EQ(0, e2e::runTool(e2e::getArgs("csv", "doc.csv"), work_).exitCode);
  ASSERT_EQ(0, e2e::runTool(e2e::newArgs("csv", "doc.csv", "roomy"), work_).exitCode);

  const ProcessRun run = e2e::runTool(e2e::newArgs("csv", "doc.csv", mount_ + "/out"), work_);
  EXPECT_EQ(1, run.exitCode);
  EXPECT_TRUE(run.standardError.endsWith("Process file:  \"c\" \nError! Cannot write file  \"" +
                                         mount_.toUtf8() + "/out/c.t\"  " + kNoSpace))
      << run.standardError.toStdString();
  const Tree written = readTree(mount_ + "/out");
  Tree expected = readTree(at("roomy"));
  expected.remove("c.t");
  expected.remove("d.t");
  EXPECT_EQ(expected, written);
  EXPECT_EQ(2, written.size());
}

}  // namespace
