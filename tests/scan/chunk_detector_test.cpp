#include "scan/chunk_detector.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "reference_paths.h"

// Header lines are those the four header patterns match whole, as the
// classic expression engine reads them: on listed lines ("a: function" has
// "function" as its class; U+00A0 is white space) and on generated ones.
TEST(ChunkDetector, RecognisesHeaderLinesLikeThePatterns) {
  const QString headers = QString::fromUtf8(
      "redBall: item|  redBall : item|\tredBall:item|obj_1 : C2|main: function foo|a: function|"
      "modify livingRoom|   replace   x|modifyScore|replaceAll|комната: предмет|modify комната|"
      "redBall:\u00a0item");
  const QString others = QString::fromUtf8(
      "redBall: item |redBall: item;|redBall: item // x|a: b {|a: b c|main: function foo(x)|"
      "main: function foo bar|Modify x|REPLACE x|modify|modify x now|a: b: c|: item|redBall:|"
      "d = 'a: b'||   ");
  for (const bool header : {true, false}) {
    for (const QString& line : (header ? headers : others).split(QLatin1Char('|'))) {
      EXPECT_EQ(isChunkHeader(line), header) << line.toStdString();
      EXPECT_EQ(reference::matchesHeaderPattern(line), header) << line.toStdString();
    }
  }
  const QStringList pieces =
      QString::fromUtf8(" |\t|:|a|_1|Я|\u0301|modify|replace|function|;|\"|\u00a0|-").split('|');
  std::mt19937 random(7);
  for (int n = 0; n < 20000; ++n) {
    QString line;
    for (int length = static_cast<int>(random() % 8); length > 0; --length) {
      line += pieces[static_cast<int>(random() % pieces.size())];
    }
    ASSERT_EQ(isChunkHeader(line), reference::matchesHeaderPattern(line)) << line.toStdString();
  }
}

TEST(ChunkDetector, CollectsLinesIntoChunks) {
  // Chunks as [name] text@line.literal ... Equal names make two chunks, a
  // header right after a header is the first chunk's only line, and empty
  // lines count in the line indices.
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"modify x\nreplace x\n  d = 'x';\n", "[modify x] [replace x] x@2.0 "},
      {"a: b\n\n\n'z' \"y\"\na: b\n\"w\"", "[a: b] z@3.0 y@3.1 [a: b] w@5.0 "},
  };
  for (const auto& c : cases) {
    QString out;
    QStringList warnings;
    FileEntry file;
    detectChunks(QString::fromUtf8(c.first), file, warnings);
    for (const ChunkEntry& chunk : file.chunks) {
      out += QLatin1Char('[') + file.nameOf(chunk).toString() + QLatin1Char(']');
      for (const LineRecord& e : file.rowsOf(chunk)) {
        out += QStringLiteral(" %1@%2.%3").arg(file.textOf(e)).arg(e.lineIndex).arg(e.literalIndex);
      }
      out += QLatin1Char(' ');
    }
    EXPECT_EQ(out.toStdString(), c.second) << c.first;
  }
}
