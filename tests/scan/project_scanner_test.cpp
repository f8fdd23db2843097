#include "scan/project_scanner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <initializer_list>
#include <string>

#include "console_capture.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A source whose one chunk holds one literal that names the file.
QByteArray source(const char* label) { return QByteArray("o: t\n  d = \"") + label + "\";\n"; }

// Console lines, each followed by a line feed, with "@" standing for `root`.
std::string lines(const QString& root, std::initializer_list<const char*> expected) {
  QString text;
  for (const char* line : expected) {
    text += QString::fromUtf8(line).replace(QLatin1Char('@'), root) + QLatin1Char('\n');
  }
  return text.toStdString();
}

// The model as one comparable text: name{[chunk] text@line.literal ...}.
std::string dump(const DocumentModel& model) {
  QString out;
  for (const FileEntry& file : model) {
    out += file.name + QLatin1Char('{');
    for (const ChunkEntry& chunk : file.chunks) {
      out += QLatin1Char('[') + chunk.name + QLatin1Char(']');
      for (const LineEntry& e : chunk.lines) {
        out += QStringLiteral(" %1@%2.%3").arg(e.text).arg(e.lineIndex).arg(e.literalIndex);
      }
    }
    out += QStringLiteral("} ");
  }
  return out.toStdString();
}

}  // namespace

TEST(ProjectScanner, WalksFilesFirstSortedAndSkipsIgnoredNames) {
  QTemporaryDir temp;
  const QString root = temp.path();
  for (const char* name : {"b.t", "A.t", "Intro.T", "lib.inc.t", "skip.t", "rooms.t"}) {
    writeFile(root + "/" + name, source(name));
  }
  writeFile(root + "/notes.txt", source("notes"));
  writeFile(root + "/.hidden.t", source("hidden"));
  writeFile(root + "/alpha/inner.t", source("inner"));
  writeFile(root + "/alpha/lib/x.t", source("deep lib"));
  writeFile(root + "/Beta.t/deep.t", source("deep"));
  writeFile(root + "/lib/verbs.t", source("verbs"));
  writeFile(root + "/.git/hidden.t", source("hidden dir"));
  ASSERT_TRUE(QFile::link(root + "/A.t", root + "/link.t"));
  ASSERT_TRUE(QFile::link(root + "/alpha", root + "/linkdir"));

  // Names compare whole and with case; the root's own name never applies.
  const QStringList ignoreList = {QStringLiteral("lib"),   QStringLiteral("skip.t"),
                                  QStringLiteral("rooms"), QStringLiteral("Alpha"),
                                  QStringLiteral("Intro"), QFileInfo(root).fileName()};
  DocumentModel model;
  ConsoleCapture console;
  scanProject(root, model, ignoreList);

  EXPECT_EQ(console.text().toStdString(),
            lines(root, {"Scanning:  \"@\" ", "Process file:  \"A\" ", "Process file:  \"b\" ",
                         "Process file:  \"Intro\" ", "Process file:  \"lib\" ",
                         "Process file:  \"rooms\" ", "Ignore file:  \"skip.t\" ",
                         "Scanning:  \"@/alpha\" ", "Process file:  \"inner\" ",
                         "Ignore dir:  \"@/alpha/lib\" ", "Scanning:  \"@/Beta.t\" ",
                         "Process file:  \"deep\" ", "Ignore dir:  \"@/lib\" "}));
  EXPECT_EQ(dump(model),
            "A{[o: t] A.t@1.0} b{[o: t] b.t@1.0} Intro{[o: t] Intro.T@1.0} "
            "lib{[o: t] lib.inc.t@1.0} rooms{[o: t] rooms.t@1.0} inner{[o: t] inner@1.0} "
            "deep{[o: t] deep@1.0} ");
}

TEST(ProjectScanner, RelativeRootPrintsAsGivenAndSubdirectoriesAbsolute) {
  QTemporaryDir temp;
  writeFile(temp.path() + "/game/sub/a.t", QByteArray());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(temp.path()));
  DocumentModel model;
  ConsoleCapture console;
  scanProject(QStringLiteral("game/"), model, QStringList());
  QDir::setCurrent(previous);

  EXPECT_EQ(console.text().toStdString(),
            lines(temp.path(),
                  {"Scanning:  \"game\" ", "Scanning:  \"@/game/sub\" ", "Process file:  \"a\" "}));
  // A file without a header still gets its entry.
  EXPECT_EQ(dump(model), "a{} ");
}

TEST(ProjectScanner, DecodesCodePage1251AndHonoursAByteOrderMark) {
  QTemporaryDir temp;
  // "комната: предмет" and "Привет" in code page 1251, with CR LF line ends.
  writeFile(temp.path() + "/a.t",
            "x\r\n\xEA\xEE\xEC\xED\xE0\xF2\xE0: \xEF\xF0\xE5\xE4\xEC\xE5\xF2\r\n"
            "  d = \"\xCF\xF0\xE8\xE2\xE5\xF2\";\r\n");
  writeFile(temp.path() + "/b.t",
            "\xEF\xBB\xBF"
            "room: item\n  d = \"Привет\";\n");
  DocumentModel model;
  ConsoleCapture console;
  scanProject(temp.path(), model, QStringList());
  EXPECT_EQ(dump(model), "a{[комната: предмет] Привет@2.0} b{[room: item] Привет@1.0} ");
}

TEST(ProjectScanner, EmptyRootGivesOnlyItsScanningLine) {
  QTemporaryDir temp;
  DocumentModel model;
  ConsoleCapture console;
  scanProject(temp.path(), model, QStringList());
  EXPECT_EQ(console.text().toStdString(), lines(temp.path(), {"Scanning:  \"@\" "}));
  EXPECT_TRUE(model.isEmpty());
}
