#include "formats/csv_formatter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QTextStream>

#include "formats/document_writer.h"

// Records of every kind, names in code page 1251 and texts unescaped are held
// byte for byte by the get-mode golden cases.
TEST(CSVFormatter, WritesTheWorkedExample) {
  const DocumentModel model = {FileEntry{
      QStringLiteral("start"),
      {ChunkEntry{
          QStringLiteral("kitchen"),
          {LineEntry{QStringLiteral("The kettle is <b>hot</b> & steaming."), true, 12, 0}}}}}};
  const int saved = formatIndex;
  setFormatIndex(1);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QTextStream out(&buffer);
    csvFormatter.setStreamCodec(out);
    out << model;
  }
  setFormatIndex(saved);
  EXPECT_EQ(buffer.data().toStdString(),
            "CSV file with TADS Source\nFILE;start\nCHUNK;kitchen\n"
            "LINE;\"The kettle is <b>hot</b> & steaming.\";1;12;0\nEND CHUNK\n\n\n\n");
}
