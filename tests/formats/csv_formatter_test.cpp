#include "formats/csv_formatter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <string>
#include <vector>

#include "formats/document_writer.h"

namespace {

// The bytes on disk after a get-mode style write: file opened without
// newline translation, codec set by the formatter, model inserted with the
// CSV format selected.
std::string writeDocument(const DocumentModel& model) {
  QTemporaryDir temp;
  QFile file(temp.filePath(QStringLiteral("out.csv")));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  const int saved = formatIndex;
  setFormatIndex(1);
  {
    QTextStream out(&file);
    csvFormatter.setStreamCodec(out);
    out << model;
  }
  setFormatIndex(saved);
  file.close();
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll().toStdString();
}

DocumentModel oneEntry(const QString& file, const QString& chunk, const LineEntry& entry) {
  return {FileEntry{file, {ChunkEntry{chunk, {entry}}}}};
}

const std::string kTitle = "CSV file with TADS Source\n";

}  // namespace

TEST(CSVFormatter, WritesTheWorkedExample) {
  EXPECT_EQ(writeDocument(oneEntry(
                QStringLiteral("start"), QStringLiteral("kitchen"),
                LineEntry{QStringLiteral("The kettle is <b>hot</b> & steaming."), true, 12, 0})),
            kTitle +
                "FILE;start\n"
                "CHUNK;kitchen\n"
                "LINE;\"The kettle is <b>hot</b> & steaming.\";1;12;0\n"
                "END CHUNK\n"
                "\n\n\n");
}

TEST(CSVFormatter, WritesRecordsUnescapedInCodePage1251) {
  const std::vector<std::pair<DocumentModel, std::string>> cases = {
      {{}, kTitle + "\n"},
      {{FileEntry{QStringLiteral("a"), {}}}, kTitle + "FILE;a\n\n\n\n"},
      {{FileEntry{QStringLiteral("a"), {ChunkEntry{QStringLiteral("\tb: c"), {}}}}},
       kTitle + "FILE;a\nCHUNK;\tb: c\nEND CHUNK\n\n\n\n"},
      {oneEntry(QStringLiteral("f"), QStringLiteral("c"), LineEntry{QString(), true, 0, 0}),
       kTitle + "FILE;f\nCHUNK;c\nLINE;\"\";1;0;0\nEND CHUNK\n\n\n\n"},
      {oneEntry(QStringLiteral("f;1"), QStringLiteral("c;\"2\""),
                LineEntry{QStringLiteral("a;\"b\" &amp; <c>"), false, 7, 2}),
       kTitle + "FILE;f;1\nCHUNK;c;\"2\"\nLINE;\"a;\"b\" &amp; <c>\";0;7;2\nEND CHUNK\n\n\n\n"},
      {oneEntry(QStringLiteral("старт"), QStringLiteral("комната: предмет"),
                LineEntry{QStringLiteral("Привет"), true, 4294967295u, 1}),
       kTitle + "FILE;\xF1\xF2\xE0\xF0\xF2\n"
                "CHUNK;\xEA\xEE\xEC\xED\xE0\xF2\xE0: \xEF\xF0\xE5\xE4\xEC\xE5\xF2\n"
                "LINE;\"\xCF\xF0\xE8\xE2\xE5\xF2\";1;4294967295;1\n"
                "END CHUNK\n\n\n\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(writeDocument(c.first), c.second);
  }
}
