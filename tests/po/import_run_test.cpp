#include "po/import_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "console_capture.h"
#include "po/po_catalog.h"

namespace {

const char kSource[] =
    "lamp: Thing\n"
    "    name = 'lamp'\n"
    "    desc = \"A lamp.\"\n"
    ";\n"
    "oil: Thing\n"
    "    name = 'lamp'\n"
    "    desc = \"An oil can.\"\n"
    ";\n"
    "// don't 'touch' it's\n"
    "note: Thing\n"
    "    desc = \"A note that\n"
    "    says 'hello' to you,\n"
    "    twice.\"\n"
    ";\n";

// A corrected CSV document of that file (UTF-8 after a byte-order mark).
const char kDocument[] =
    "\xEF\xBB\xBF"
    "CSV file with TADS Source\n"
    "FILE;a\n"
    "CHUNK;lamp: Thing\n"
    "LINE;\"лампа\";0;1;0\n"
    "LINE;\"Лампа.\";1;2;0\n"
    "END CHUNK\n"
    "CHUNK;oil: Thing\n"
    "LINE;\"светильник\";0;5;0\n"
    "LINE;\"An oil can.\";1;6;0\n"
    "LINE;\" это\";0;8;1\n"
    "END CHUNK\n"
    "CHUNK;note: Thing\n"
    "LINE;\"привет\";0;11;0\n"
    "LINE;\"нет\";0;40;0\n"
    "END CHUNK\n"
    "FILE;b\n"
    "CHUNK;gone: Thing\n"
    "LINE;\"нет\";0;1;0\n"
    "END CHUNK\n";

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Imported {
  PoConfig config;
  int exitCode = 0;
  QString out;
  QString err;
};

/// Runs import over `dir`/game with the CSV document `dir`/doc.csv into `dir`/a.po.
Imported importCsv(const QTemporaryDir& dir) {
  Imported run;
  run.config.command = PoConfig::Command::Import;
  run.config.rootDir = dir.filePath(QStringLiteral("game"));
  run.config.format = QStringLiteral("csv");
  run.config.inDoc = dir.filePath(QStringLiteral("doc.csv"));
  run.config.output = dir.filePath(QStringLiteral("a.po"));
  ConsoleCapture progressLines;
  QTextStream out(&run.out);
  QTextStream err(&run.err);
  run.exitCode = runImport(run.config, out, err);
  out.flush();
  err.flush();
  return run;
}

TEST(ImportRun, CarriesChangedRowsAndReportsWhatItCannot) {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir(QStringLiteral("game"));
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("game/a.t")), kSource));
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("doc.csv")), kDocument));
  const Imported run = importCsv(dir);
  EXPECT_EQ(1, run.exitCode);
  const PoConfig& config = run.config;
  const QString& errText = run.err;
  const QString& outText = run.out;
  const QString noLiteral = QStringLiteral(
      ": matches no literal of the source (comment text, or part of a literal over several "
      "lines); left out\n");
  EXPECT_EQ(QStringLiteral("a.t:9 (literal 1)") + noLiteral + QStringLiteral("a.t:12 (literal 0)") +
                noLiteral +
                QStringLiteral("a.t:41 (literal 0): get mode finds no such literal in the source "
                               "(the document is older than the source?); left out\n") +
                config.inDoc +
                QStringLiteral(": the section \"b\" matches no file of the project; left out\n"
                               "a.t:6 (literal 0): a second translation of \"lamp\" differs from "
                               "the one at a.t:2 (literal 0); the first is kept and marked "
                               "fuzzy\n"),
            errText);
  EXPECT_EQ(config.output + QStringLiteral(": 2 of 4 entries translated, 1 fuzzy; 5 reported\n"),
            outText);

  QVector<PoEntry> entries;
  QString error;
  ASSERT_TRUE(readPoFile(config.output, entries, error)) << error.toStdString();
  ASSERT_EQ(4, entries.size());
  const struct {
    const char* msgid;
    QString msgstr;
    bool fuzzy;
  } expected[] = {
      {"lamp", QStringLiteral("лампа"), true},
      {"A lamp.", QStringLiteral("Лампа."), false},
      {"An oil can.", QString(), false},
      {"A note that says 'hello' to you, twice.", QString(), false},
  };
  for (const auto& e : expected) {
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const PoEntry& p) {
      return p.msgid == QString::fromUtf8(e.msgid);
    });
    ASSERT_NE(entries.end(), entry) << e.msgid;
    EXPECT_EQ(e.msgstr, entry->msgstr) << e.msgid;
    EXPECT_EQ(e.fuzzy, entry->fuzzy) << e.msgid;
  }
}

// Get mode writes a section per file, so two files of one base name have two
// sections of that name, in the walk's order.
TEST(ImportRun, SectionsOfOneNameGoToTheFilesOfThatNameInWalkOrder) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("game/sub"));
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("game/a.t")), "x: Thing 'one';\n"));
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("game/sub/a.t")), "y: Thing 'two';\n"));
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("doc.csv")),
                        "\xEF\xBB\xBF"
                        "FILE;a\nCHUNK;x: Thing\nLINE;\"один\";0;0;0\nEND CHUNK\n"
                        "FILE;a\nCHUNK;y: Thing\nLINE;\"два\";0;0;0\nEND CHUNK\n"));
  const Imported run = importCsv(dir);
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  const PoConfig& config = run.config;

  QVector<PoEntry> entries;
  QString error;
  ASSERT_TRUE(readPoFile(config.output, entries, error)) << error.toStdString();
  ASSERT_EQ(2, entries.size());
  EXPECT_EQ(QStringLiteral("один"),
            entries[0].msgid == QLatin1String("one") ? entries[0].msgstr : entries[1].msgstr);
  EXPECT_EQ(QStringLiteral("два"),
            entries[0].msgid == QLatin1String("two") ? entries[0].msgstr : entries[1].msgstr);
}

}  // namespace
