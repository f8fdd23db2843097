// Writing in pieces gives byte for byte the file of one write, at the edges
// of a piece too. (What one write gives is held by the extract and import
// cases; what reading gives, by the apply cases and the round trips.)
#include "po/po_catalog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "test_files.h"

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
    ASSERT_TRUE(whole.write(dir.filePath("whole.po"), error)) << error.toStdString();
    ASSERT_TRUE(writePoFileInPieces(dir.filePath("pieces.po"), header, count, fill, error))
        << error.toStdString();
    EXPECT_TRUE(testfiles::readFile(dir.filePath("whole.po")) ==
                testfiles::readFile(dir.filePath("pieces.po")))
        << count;
  }
}

// gettext's library keeps the name of the file it read last and drops it when
// it reads the next one; the tool reads one PO file a run, a test process
// many. The leak checker asks this hook what to leave out.
extern "C" const char* __lsan_default_suppressions() { return "leak:libgettextpo\n"; }
