// Hostile and large inputs: whatever it is given, the tool ends by itself
// (no signal, no hang) with exit code 0 or 1, and writes nothing into the
// project tree but a result directory that the user placed there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <climits>
#include <iterator>
#include <random>
#include <vector>

#include "e2e/e2e_support.h"

namespace {

const QByteArray kSource("obj: Thing\n  name = 'old name'\n  desc = \"old desc\"\n");

// Console lines as the tool prints them: one space after the last piece.
QByteArray lines(const QStringList& items) {
  QByteArray bytes;
  for (const QString& line : items) bytes += line.toUtf8() + " \n";
  return bytes;
}

const QByteArray kNoSuchFile =
    lines({"Scanning:  \"game\"", "Process file:  \"a\"", "Error: no such file", "Finished"});

// What a run prints for a document holding the rows of a.t, all or only the first.
QByteArray readA(bool both) {
  return lines({"File name:  \"a\"", "Chunk name:  \"obj: Thing\"", "ln:  1 0"}) +
         (both ? lines({"ln:  2 0"}) : QByteArray()) +
         lines({"Scanning:  \"game\"", "Process file:  \"a\"", "Finished"});
}

// The copy of a.t with both literals corrected.
QByteArray patchedA(const QByteArray& desc) {
  return "obj: Thing\r\n  name = 'NAME'\r\n  desc = \"" + desc + "\"\r\n";
}

QString htmlDocument(const QString& desc) {
  return "<html><body><h1>a</h1><h2>obj: Thing</h2><table><tr><td>NAME</td><td>'/1/0</td></tr>"
         "<tr><td>" +
         desc + "</td><td>\"/2/0</td></tr></table></body></html>";
}

QString csvDocument(const QString& desc) {
  return "FILE;a\nCHUNK;obj: Thing\nLINE;\"NAME\";0;1;0\nLINE;\"" + desc + "\";1;2;0\nEND CHUNK\n";
}

QByteArray randomBytes(int size, unsigned seed) {
  std::mt19937 random(seed);
  QByteArray bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

// One code line holding `count` double-quoted literals of `width` characters.
QByteArray bigLine(int count, int width) {
  QByteArray line("  t =");
  line.reserve(count * (width + 3) + 8);
  for (int i = 0; i < count; ++i) line += " \"" + QByteArray(width, 'a' + i % 26) + '"';
  return line;
}

QStringList getArgs(const QString& format) {
  return {"--mode=get", "--format=" + format, "--root-dir=game", "--res-file=doc." + format};
}

QStringList newArgs(const QString& format, const QString& document, const QString& resDir) {
  return {"--mode=new", "--format=" + format, "--root-dir=game", "--in-doc=" + document,
          "--res-dir=" + resDir};
}

class HostileInput : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    work_ = QDir(temp_.path()).canonicalPath();
  }
  QString at(const QString& relative) const { return work_ + QLatin1Char('/') + relative; }
  void write(const QString& relative, const QByteArray& bytes) {
    ASSERT_TRUE(e2e::writeFile(at(relative), bytes)) << relative.toStdString();
  }
  QByteArray read(const QString& relative) const { return e2e::readFile(at(relative)); }
  std::string str(const QByteArray& bytes) const {
    return QByteArray(bytes).replace(work_.toUtf8(), "${WORK}").toStdString();
  }

  // Runs the tool in the work folder and returns what it printed after it
  // accepted its command line. Fails when it crashes or hangs, ends with
  // another code than `exitCode`, prints to standard output, or changes the
  // project outside `allowed` (a path below game/ ending in "/").
  QByteArray run(const QStringList& args, int exitCode = 0, const QString& allowed = {}) {
    const e2e::Tree before = project(allowed);
    const e2e::ToolRun result = e2e::runTool(args, work_);
    EXPECT_TRUE(result.finished) << "crashed, or still running after 60 s";
    EXPECT_EQ(exitCode, result.exitCode);
    EXPECT_EQ("", result.standardOutput.toStdString());
    const e2e::Tree after = project(allowed);
    for (const QString& path : before.keys() + after.keys()) {
      EXPECT_TRUE(before.contains(path) == after.contains(path) &&
                  before.value(path) == after.value(path))
          << "project changed at " << path.toStdString();
    }
    const QByteArray accepted("Config ok, start processing... \n");
    const int start = result.standardError.indexOf(accepted);
    return start < 0 ? result.standardError : result.standardError.mid(start + accepted.size());
  }

  e2e::Tree project(const QString& allowed) const {
    e2e::Tree tree = e2e::readTree(at("game"));
    for (auto it = tree.begin(); it != tree.end();) {
      it = !allowed.isEmpty() && it.key().startsWith(allowed) ? tree.erase(it) : std::next(it);
    }
    return tree;
  }

  QTemporaryDir temp_;
  QString work_;
};

TEST_F(HostileInput, BinarySourceFileInGetAndNewMode) {
  write("game/x.t", "junk: Thing\n" + randomBytes(1 << 16, 7));
  ASSERT_TRUE(read("game/x.t").contains('\0'));
  for (const QString format : {"html", "csv"}) {
    SCOPED_TRACE(format.toStdString());
    const QByteArray scanned = run(getArgs(format));
    const QByteArray walk = lines({"Scanning:  \"game\"", "Process file:  \"x\""});
    ASSERT_TRUE(scanned.startsWith(walk) && scanned.endsWith("Finished \n")) << str(scanned);
    for (const QByteArray& line : scanned.mid(walk.size()).split('\n')) {
      const bool known = line.isEmpty() || line == "Finished " ||
                         line.startsWith("Warning! May be miltiline string found at line:  ");
      EXPECT_TRUE(known) << str(line);
    }
    EXPECT_TRUE(read("doc." + format)
                    .contains(format == "html" ? "<h1>x</h1><h2>junk: Thing</h2>"
                                               : "FILE;x\nCHUNK;junk: Thing\n"));
    // Control characters in the document stop its reading; what was read is applied.
    const QByteArray patched = run(newArgs(format, "doc." + format, "out-" + format));
    EXPECT_TRUE(patched.startsWith(lines({"File name:  \"x\"", "Chunk name:  \"junk: Thing\""})));
    EXPECT_TRUE(patched.endsWith(walk + lines({"Finished"}))) << str(patched);
    EXPECT_TRUE(QFile::exists(at("out-" + format + "/x.t")));
  }
}

TEST_F(HostileInput, TwentyMegabyteLines) {
  // 10 000 literals on one line, and a line that ends inside a literal.
  write("game/big.t", "big: Thing\n" + bigLine(10000, 2000) + '\n');
  write("game/cut.t", "cut: Thing\n" + bigLine(10000, 2000) + " \"open\n");
  EXPECT_EQ(str(lines({"Scanning:  \"game\"", "Process file:  \"big\"", "Process file:  \"cut\"",
                       "Warning! May be miltiline string found at line:  1 . Ignore", "Finished"})),
            str(run(getArgs("csv"))));
  EXPECT_EQ(10000, read("doc.csv").count("\nLINE;"));
  // New mode with two corrected texts of 4 MB for a line of two literals.
  // (Patching costs the line's length per literal: thousands of literals on a
  // 20 MB line take minutes.)
  ASSERT_TRUE(QFile::remove(at("game/cut.t")));
  write("game/big.t", "big: Thing\n" + bigLine(2, 4000000) + '\n');
  const QByteArray x(4000000, 'x'), y(4000000, 'y');
  write("doc.html", "<html><body><h1>big</h1><h2>big: Thing</h2><table><tr><td>" + x +
                        "</td><td>\"/1/0</td></tr><tr><td>" + y + "</td><td>\"/1/1</td></tr>");
  EXPECT_EQ(str(lines({"File name:  \"big\"", "Chunk name:  \"big: Thing\"", "ln:  1 0", "ln:  1 1",
                       "Scanning:  \"game\"", "Process file:  \"big\"", "Finished"})),
            str(run(newArgs("html", "doc.html", "out"))));
  EXPECT_TRUE("big: Thing\r\n  t = \"" + x + "\" \"" + y + "\"\r\n" == read("out/big.t"));
}

TEST_F(HostileInput, HundredThousandLines) {
  QByteArray source("long: Thing\n");
  for (int i = 0; i < 100000; ++i) source += "  p" + QByteArray::number(i) + " = 'line';\n";
  write("game/long.t", source);
  const QByteArray walk = lines({"Scanning:  \"game\"", "Process file:  \"long\"", "Finished"});
  for (const QString format : {"html", "csv"}) {
    SCOPED_TRACE(format.toStdString());
    EXPECT_EQ(str(walk), str(run(getArgs(format))));
    const QByteArray patched = run(newArgs(format, "doc." + format, "out-" + format));
    EXPECT_EQ(100000, patched.count("\nln: "));
    EXPECT_TRUE(patched.endsWith(lines({"ln:  100000 0"}) + walk));
    EXPECT_TRUE(e2e::withCrLf(source) == read("out-" + format + "/long.t"));
  }
}

TEST_F(HostileInput, TreeTwoHundredLevelsDeep) {
  QString deep = "game";
  QStringList walk{"Scanning:  \"game\""};
  for (int level = 0; level < 200; ++level) {
    deep += "/d";
    walk << "Scanning:  \"" + at(deep) + "\"";
  }
  walk << "Process file:  \"deep\""
       << "Finished";
  write(deep + "/deep.t", "deep: Thing\n  desc = \"bottom\"\n");
  EXPECT_EQ(str(lines(walk)), str(run(getArgs("csv"))));
  const QByteArray reading =
      lines({"File name:  \"deep\"", "Chunk name:  \"deep: Thing\"", "ln:  1 0"});
  EXPECT_EQ(str(reading + lines(walk)), str(run(newArgs("csv", "doc.csv", "out"))));
  EXPECT_EQ("deep: Thing\r\n  desc = \"bottom\"\r\n",
            read("out" + deep.mid(4) + "/deep.t").toStdString());
}

TEST_F(HostileInput, SymbolicLinkLoopsAreNotFollowed) {
  write("game/a.t", kSource);
  write("game/a/b.t", "b: Thing\n  desc = 'b'\n");
  ASSERT_TRUE(QFile::link(".", at("game/loop")) && QFile::link("..", at("game/a/up")) &&
              QFile::link("self.t", at("game/self.t")) && QFile::link("a.t", at("game/link.t")));
  const QByteArray walk =
      lines({"Scanning:  \"game\"", "Process file:  \"a\"", "Scanning:  \"" + at("game/a") + "\"",
             "Process file:  \"b\"", "Finished"});
  EXPECT_EQ(str(walk), str(run(getArgs("csv"))));
  EXPECT_TRUE(run(newArgs("csv", "doc.csv", "out")).endsWith(walk));
  EXPECT_EQ((QStringList{"a.t", "a/", "a/b.t"}), e2e::readTree(at("out")).keys());
}

TEST_F(HostileInput, UnreadableFileAndDirectoryAreSkipped) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  write("game/a.t", kSource);
  write("game/b.t", "b: Thing\n  desc = 'b'\n");
  write("game/c/c.t", "c: Thing\n  desc = 'c'\n");
  struct Locked {
    QString path;
    ~Locked() {
      QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
  } lockedFile{at("game/b.t")}, lockedDir{at("game/c")};
  ASSERT_TRUE(QFile::setPermissions(lockedFile.path, {}) &&
              QFile::setPermissions(lockedDir.path, {}));
  const QByteArray walk =
      lines({"Scanning:  \"game\"", "Process file:  \"a\"", "Process file:  \"b\"",
             "Scanning:  \"" + at("game/c") + "\"", "Finished"});
  EXPECT_EQ(str(walk), str(run(getArgs("csv"))));
  EXPECT_EQ(
      str(lines({"File name:  \"a\"", "Chunk name:  \"obj: Thing\"", "ln:  1 0", "ln:  2 0"}) +
          walk),
      str(run(newArgs("csv", "doc.csv", "out"))));
  EXPECT_EQ((QStringList{"a.t", "c/"}), e2e::readTree(at("out")).keys());
}

TEST_F(HostileInput, DamagedOrUnusualDocumentsAreReadAsFarAsTheyGo) {
  const QByteArray html = htmlDocument("DESC").toUtf8();
  const QByteArray csv = e2e::toCp1251(csvDocument("DESC"));
  const QString cyrillic = QStringLiteral("Новое описание");
  const QByteArray latin1("caf\xE9 cr\xE8me br\xFBl\xE9");
  const QByteArray cutRecord = lines({"Cannot preparse complex line:  \"LINE;\"\""}) + kNoSuchFile;
  struct Case {
    const char* name;
    const char* format;
    QByteArray document, tail, copy;  // no copy: out/a.t must not exist
  };
  // "UTF-16" writes a byte-order mark, little-endian here.
  const auto utf16 = [](const QString& text) {
    return QTextCodec::codecForName("UTF-16")->fromUnicode(text);
  };
  const QByteArray all = readA(true), ru = patchedA(e2e::toCp1251(cyrillic));
  const std::vector<Case> cases{
      {"empty", "html", "", kNoSuchFile, {}},
      {"empty", "csv", "", kNoSuchFile, {}},
      {"cut-in-tag", "html", html.left(html.indexOf("<tr><td>DESC") + 2), readA(false),
       patchedA("old desc")},
      {"cut-in-record", "csv", csv.left(csv.indexOf("DESC")), cutRecord, {}},
      {"random", "html", randomBytes(4096, 11), kNoSuchFile, {}},
      {"random", "csv", randomBytes(4096, 11), kNoSuchFile, {}},
      // Latin-1 bytes are no UTF-8: they decode as replacement characters.
      {"latin1", "html", htmlDocument("@").toUtf8().replace("@", latin1), all,
       patchedA(e2e::toCp1251(QString::fromUtf8(latin1)))},
      {"utf8-bom", "html", "\xEF\xBB\xBF" + htmlDocument(cyrillic).toUtf8(), all, ru},
      {"utf8-bom", "csv", "\xEF\xBB\xBF" + csvDocument(cyrillic).toUtf8(), all, ru},
      {"utf16-bom", "html", utf16(htmlDocument(cyrillic)), all, ru},
      {"utf16-bom", "csv", utf16(csvDocument(cyrillic)), all, ru},
      {"crlf", "csv", e2e::withCrLf(csv), all, patchedA("DESC")},
  };
  write("game/a.t", kSource);
  for (const Case& c : cases) {
    const QString name = QString::fromLatin1(c.name) + QLatin1Char('.') + QLatin1String(c.format);
    SCOPED_TRACE(name.toStdString());
    write(name, c.document);
    EXPECT_EQ(str(c.tail), str(run(newArgs(c.format, name, "out-" + name))));
    EXPECT_EQ(!c.copy.isEmpty(), QFile::exists(at("out-" + name + "/a.t")));
    EXPECT_EQ(str(c.copy), str(read("out-" + name + "/a.t")));
  }
}

// The copy replaces a stale one and keeps what else the directory holds;
// characters that code page 1251 lacks are the codec's business.
TEST_F(HostileInput, ResultDirectoryHoldingFilesAndTextOutsideTheCodePage) {
  write("game/a.t", kSource);
  write("doc.html", htmlDocument(QStringLiteral("Привет, 世界 — Grüße ✓ мир")).toUtf8());
  write("out/a.t", "stale");
  write("out/notes.txt", "keep me");
  write("out/sub/old.t", "old");
  EXPECT_EQ(str(readA(true)), str(run(newArgs("html", "doc.html", "out"))));
  const QByteArray copy = read("out/a.t");
  EXPECT_TRUE(copy.startsWith(patchedA(e2e::toCp1251(QStringLiteral("Привет, "))).chopped(3)));
  EXPECT_TRUE(copy.endsWith(e2e::toCp1251(QStringLiteral(" мир\"\r\n")))) << str(copy);
  EXPECT_EQ("keep me", read("out/notes.txt").toStdString());
  EXPECT_EQ("old", read("out/sub/old.t").toStdString());
}

// A result directory inside the project is made before the walk, so the walk
// lists it as a subdirectory of the root and copies into it again, one level
// deeper each time, until the path no longer fits the system's limit. (A long
// name keeps that to a few dozen levels.)
TEST_F(HostileInput, ResultDirectoryInsideTheProjectIsWalkedToo) {
  const QString out(100, QLatin1Char('r'));
  write("game/a.t", kSource);
  write("game/sub/b.t", "b: Thing\n  desc = \"bee\"\n");
  write("doc.csv", e2e::toCp1251(csvDocument("DESC") +
                                 "FILE;b\nCHUNK;b: Thing\nLINE;\"BEE\";1;1;0\nEND CHUNK\n"));
  const QByteArray tail = run(newArgs("csv", "doc.csv", "game/" + out), 0, out + "/");
  EXPECT_TRUE(tail.startsWith(lines(
      {"File name:  \"a\"", "Chunk name:  \"obj: Thing\"", "ln:  1 0", "ln:  2 0",
       "File name:  \"b\"", "Chunk name:  \"b: Thing\"", "ln:  1 0", "Scanning:  \"game\"",
       "Process file:  \"a\"", "Scanning:  \"" + at("game/" + out) + "\"", "Process file:  \"a\"",
       "Scanning:  \"" + at("game/" + out + "/" + out) + "\"", "Process file:  \"a\""})))
      << str(tail.left(2000));
  EXPECT_TRUE(tail.endsWith(
      lines({"Scanning:  \"" + at("game/sub") + "\"", "Process file:  \"b\"", "Finished"})));
  EXPECT_EQ("b: Thing\r\n  desc = \"BEE\"\r\n", read("game/" + out + "/sub/b.t").toStdString());
  QString level = "game/" + out;
  for (; QFile::exists(at(level + "/a.t")); level += "/" + out) {
    EXPECT_EQ(str(patchedA("DESC")), str(read(level + "/a.t"))) << level.size();
  }
  EXPECT_GT(level.count(out), 2);
  EXPECT_GE(at(level + "/a.t").toUtf8().size(), PATH_MAX) << "copies stopped before the limit";
}

}  // namespace
