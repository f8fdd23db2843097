// Hostile and large inputs that must be generated or set up by hand (huge
// lines, deep trees, links, permissions); the small fixed ones are the
// hostile-* folders under cases/. Whatever it is given, the tool ends by
// itself (no signal, no hang) and writes nothing into the project tree but a
// result directory that the user placed there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <climits>

#include "e2e/e2e_support.h"

namespace {

using e2e::getArgs;
using e2e::newArgs;
using testfiles::readTree;
using testfiles::Tree;

const QByteArray kSource("obj: Thing\n  name = 'old name'\n  desc = \"old desc\"\n");

// Console lines as the tool prints them: one space after the last piece.
std::string lines(const QStringList& items) {
  std::string text;
  for (const QString& line : items) text += line.toStdString() + " \n";
  return text;
}

// A walk of the project game/ that visits `steps`.
QStringList walk(const QStringList& steps) {
  return QStringList{"Scanning:  \"game\""} + steps + QStringList{"Finished"};
}

// What new mode prints while it reads a document holding both literals of kSource.
const QStringList kReadA{"File name:  \"a\"", "Chunk name:  \"obj: Thing\"", "ln:  1 0",
                         "ln:  2 0"};

// One code line holding `count` double-quoted literals of `width` characters.
QByteArray bigLine(int count, int width) {
  QByteArray line("  t =");
  line.reserve(count * (width + 3) + 8);
  for (int i = 0; i < count; ++i) line += " \"" + QByteArray(width, 'a' + i % 26) + '"';
  return line;
}

class HostileInput : public e2e::Workspace {
 protected:
  // Runs the tool in the work folder and returns what it printed after it
  // accepted its command line. Fails when it crashes or hangs, ends with
  // another code than 0, prints to standard output, or changes the project
  // outside `allowed` (a path below game/ ending in "/").
  std::string run(const QStringList& args, const QString& allowed = {}) {
    const Tree before = readTree(at("game"));
    const ProcessRun result = e2e::runTool(args, work_);
    EXPECT_TRUE(result.finished) << "crashed, or still running after 60 s";
    EXPECT_EQ(0, result.exitCode);
    EXPECT_EQ("", result.standardOutput.toStdString());
    const Tree after = readTree(at("game"));
    for (const QString& path : before.keys() + after.keys()) {
      if (!allowed.isEmpty() && path.startsWith(allowed)) continue;
      EXPECT_TRUE(before.contains(path) == after.contains(path) &&
                  before.value(path) == after.value(path))
          << "project changed at " << path.toStdString();
    }
    const QByteArray accepted("Config ok, start processing... \n");
    const int start = result.standardError.indexOf(accepted);
    return shown(start < 0 ? result.standardError
                           : result.standardError.mid(start + accepted.size()));
  }

  // Get mode, then new mode with the untouched CSV document into out/: both
  // print `walked`, new mode after `reading` the document.
  void getThenNew(const QStringList& walked, const QStringList& reading) {
    EXPECT_EQ(lines(walked), run(getArgs("csv", "doc.csv")));
    EXPECT_EQ(lines(reading + walked), run(newArgs("csv", "doc.csv", "out")));
  }
};

TEST_F(HostileInput, TwentyMegabyteLines) {
  // 10 000 literals on one line, and a line that ends inside a literal.
  write("game/big.t", "big: Thing\n" + bigLine(10000, 2000) + '\n');
  write("game/cut.t", "cut: Thing\n" + bigLine(10000, 2000) + " \"open\n");
  EXPECT_EQ(lines(walk({"Process file:  \"big\"", "Process file:  \"cut\"",
                        "Warning! May be miltiline string found at line:  1 . Ignore"})),
            run(getArgs("csv", "doc.csv")));
  EXPECT_EQ(10000, read("doc.csv").count("\nLINE;"));
  // New mode with two corrected texts of 4 MB for a line of two literals.
  // (Patching costs the line's length per literal: thousands of literals on a
  // 20 MB line take minutes.)
  ASSERT_TRUE(QFile::remove(at("game/cut.t")));
  write("game/big.t", "big: Thing\n" + bigLine(2, 4000000) + '\n');
  const QByteArray x(4000000, 'x'), y(4000000, 'y');
  write("doc.html", "<html><body><h1>big</h1><h2>big: Thing</h2><table><tr><td>" + x +
                        "</td><td>\"/1/0</td></tr><tr><td>" + y + "</td><td>\"/1/1</td></tr>");
  EXPECT_EQ(lines(QStringList{"File name:  \"big\"", "Chunk name:  \"big: Thing\"", "ln:  1 0",
                              "ln:  1 1"} +
                  walk({"Process file:  \"big\""})),
            run(newArgs("html", "doc.html", "out")));
  EXPECT_TRUE("big: Thing\r\n  t = \"" + x + "\" \"" + y + "\"\r\n" == read("out/big.t"));
}

TEST_F(HostileInput, HundredThousandLines) {
  QByteArray source("long: Thing\n");
  for (int i = 0; i < 100000; ++i) source += "  p" + QByteArray::number(i) + " = 'line';\n";
  write("game/long.t", source);
  const std::string walked = lines(walk({"Process file:  \"long\""}));
  for (const QString format : {"html", "csv"}) {
    SCOPED_TRACE(format.toStdString());
    EXPECT_EQ(walked, run(getArgs(format, "doc." + format)));
    const QByteArray patched =
        QByteArray::fromStdString(run(newArgs(format, "doc." + format, "out-" + format)));
    EXPECT_EQ(100000, patched.count("\nln: "));
    EXPECT_TRUE(patched.endsWith(QByteArray::fromStdString(lines({"ln:  100000 0"}) + walked)));
    EXPECT_TRUE(e2e::withCrLf(source) == read("out-" + format + "/long.t"));
  }
}

TEST_F(HostileInput, TreeTwoHundredLevelsDeep) {
  QString deep = "game";
  QStringList steps;
  for (int level = 0; level < 200; ++level)
    steps << "Scanning:  \"${WORK}/" + (deep += "/d") + "\"";
  write(deep + "/deep.t", "deep: Thing\n  desc = \"bottom\"\n");
  getThenNew(walk(steps << "Process file:  \"deep\""),
             {"File name:  \"deep\"", "Chunk name:  \"deep: Thing\"", "ln:  1 0"});
  EXPECT_EQ("deep: Thing\r\n  desc = \"bottom\"\r\n",
            read("out" + deep.mid(4) + "/deep.t").toStdString());
}

TEST_F(HostileInput, SymbolicLinkLoopsAreNotFollowed) {
  write("game/a.t", kSource);
  write("game/a/b.t", "b: Thing\n  desc = 'b'\n");
  ASSERT_TRUE(QFile::link(".", at("game/loop")) && QFile::link("..", at("game/a/up")) &&
              QFile::link("self.t", at("game/self.t")) && QFile::link("a.t", at("game/link.t")));
  getThenNew(
      walk({"Process file:  \"a\"", "Scanning:  \"${WORK}/game/a\"", "Process file:  \"b\""}),
      kReadA + QStringList{"File name:  \"b\"", "Chunk name:  \"b: Thing\"", "ln:  1 0"});
  EXPECT_EQ((QStringList{"a.t", "a/", "a/b.t"}), readTree(at("out")).keys());
}

TEST_F(HostileInput, UnreadableFileAndDirectoryAreSkipped) {
  if (geteuid() == 0) GTEST_SKIP() << "an unreadable file cannot be tested as root";
  write("game/a.t", kSource);
  write("game/b.t", "b: Thing\n  desc = 'b'\n");
  write("game/c/c.t", "c: Thing\n  desc = 'c'\n");
  const QStringList locked{at("game/b.t"), at("game/c")};
  for (const QString& path : locked) ASSERT_TRUE(QFile::setPermissions(path, {}));
  getThenNew(
      walk({"Process file:  \"a\"", "Process file:  \"b\"", "Scanning:  \"${WORK}/game/c\""}),
      kReadA);
  EXPECT_EQ((QStringList{"a.t", "c/"}), readTree(at("out")).keys());
  // Unlocked again, so that the temporary directory can be removed.
  for (const QString& path : locked)
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A result directory inside the project is made before the walk, so the walk
// lists it as a subdirectory of the root and copies into it again, one level
// deeper each time, until the path no longer fits the system's limit. (A long
// name keeps that to a few dozen levels.)
TEST_F(HostileInput, ResultDirectoryInsideTheProjectIsWalkedToo) {
  const QString out(100, QLatin1Char('r'));
  write("game/a.t", kSource);
  write("game/sub/b.t", "b: Thing\n  desc = \"bee\"\n");
  write("doc.csv",
        "FILE;a\nCHUNK;obj: Thing\nLINE;\"NAME\";0;1;0\nLINE;\"DESC\";1;2;0\nEND CHUNK\n"
        "FILE;b\nCHUNK;b: Thing\nLINE;\"BEE\";1;1;0\nEND CHUNK\n");
  const std::string tail = run(newArgs("csv", "doc.csv", "game/" + out), out + "/");
  const std::string head =
      lines(kReadA + QStringList{"File name:  \"b\"", "Chunk name:  \"b: Thing\"", "ln:  1 0",
                                 "Scanning:  \"game\"", "Process file:  \"a\"",
                                 "Scanning:  \"${WORK}/game/" + out + "\"", "Process file:  \"a\"",
                                 "Scanning:  \"${WORK}/game/" + out + "/" + out + "\"",
                                 "Process file:  \"a\""});
  EXPECT_EQ(head, tail.substr(0, head.size()));
  const std::string end =
      lines({"Scanning:  \"${WORK}/game/sub\"", "Process file:  \"b\"", "Finished"});
  EXPECT_EQ(end, tail.substr(tail.size() - std::min(tail.size(), end.size())));
  EXPECT_EQ("b: Thing\r\n  desc = \"BEE\"\r\n", read("game/" + out + "/sub/b.t").toStdString());
  QString level = "game/" + out;
  for (; QFile::exists(at(level + "/a.t")); level += "/" + out) {
    EXPECT_EQ("obj: Thing\r\n  name = 'NAME'\r\n  desc = \"DESC\"\r\n",
              read(level + "/a.t").toStdString());
  }
  EXPECT_GT(level.count(out), 2);
  EXPECT_GE(at(level + "/a.t").toUtf8().size(), PATH_MAX) << "copies stopped before the limit";
}

}  // namespace
