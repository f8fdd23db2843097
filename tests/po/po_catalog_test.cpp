#include "po/po_catalog.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "process_run.h"

namespace {

QVector<PoEntry> sampleEntries() {
  PoEntry plain;
  plain.msgid = QStringLiteral("A brass lamp, \\\"old\\\" <<lamp.isLit ? 'lit' : 'dark'>>.");
  plain.references = QStringList{QStringLiteral("rooms/hall.t:12"), QStringLiteral("items.t:7")};
  plain.comments = QStringList{QStringLiteral("lamp.desc, double-quoted"),
                    QStringLiteral("hall, template part 2, single-quoted: may be vocabulary or code")};
  PoEntry translated;
  translated.hasContext = true;
  translated.context = QStringLiteral("lamp");
  translated.msgid = QStringLiteral("lamp");
  translated.msgstr = QStringLiteral("лампа");
  translated.references = QStringList{QStringLiteral("items.t:3")};
  translated.fuzzy = true;
  return {plain, translated};
}

TEST(PoCatalog, WhatIsWrittenReadsBackTheSame) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("game.pot"));
  QString error;
  const QVector<PoEntry> written = sampleEntries();
  ASSERT_TRUE(writePoFile(path, templateHeader(), written, error)) << error.toStdString();
  QVector<PoEntry> read;
  ASSERT_TRUE(readPoFile(path, read, error)) << error.toStdString();
  ASSERT_EQ(read.size(), written.size());
  EXPECT_EQ(read[0].comments, written[0].comments);
  for (int i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].hasContext, written[i].hasContext);
    EXPECT_EQ(read[i].context, written[i].context);
    EXPECT_EQ(read[i].msgid, written[i].msgid);
    EXPECT_EQ(read[i].msgstr, written[i].msgstr);
    EXPECT_EQ(read[i].references, written[i].references);
    EXPECT_EQ(read[i].fuzzy, written[i].fuzzy);
  }
  const QString msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
  if (msgfmt.isEmpty()) GTEST_SKIP() << "gettext not installed (msgfmt)";
  const ProcessRun check =
      runProcess(msgfmt, {QStringLiteral("-c"), QStringLiteral("-o"), QStringLiteral("/dev/null"), path},
                 dir.path());
  EXPECT_EQ(check.exitCode, 0) << check.standardError.toStdString();
}

// The pieces joined are byte for byte the file one builder writes, at the
// edges of a piece too.
TEST(PoCatalog, WritingInPiecesGivesTheFileOfOneWrite) {
  QTemporaryDir dir;
  const QString header = templateHeader();
  for (const int count : {0, 1, 4096, 4097, 8193}) {
    const auto fill = [](PoBuilder& po, int number) {
      const int message = po.add(number % 3 ? QByteArray() : QByteArray("ctx"),
                                 "Text " + QByteArray::number(number) + " \xD0\xBB");
      po.addReference(message, "a.t", number + 1);
      po.setComments(message, "note\n");
    };
    PoBuilder whole(header);
    for (int i = 0; i < count; ++i) fill(whole, i);
    QString error;
    ASSERT_TRUE(whole.write(dir.filePath(QStringLiteral("whole.po")), error)) << error.toStdString();
    ASSERT_TRUE(writePoFileInPieces(dir.filePath(QStringLiteral("pieces.po")), header, count, fill,
                                    error))
        << error.toStdString();
    QFile wholeFile(dir.filePath(QStringLiteral("whole.po")));
    QFile piecesFile(dir.filePath(QStringLiteral("pieces.po")));
    ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly) && piecesFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(wholeFile.readAll() == piecesFile.readAll()) << count;
  }
}

}  // namespace

// gettext's library keeps the name of the file it read last and drops it when
// it reads the next one; the tool reads one PO file a run, a test process
// many. The leak checker asks this hook what to leave out.
extern "C" const char* __lsan_default_suppressions() { return "leak:libgettextpo\n"; }
