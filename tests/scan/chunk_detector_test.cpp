#include "scan/chunk_detector.h"

#include <gtest/gtest.h>

#include <QRegExp>
#include <random>
#include <string>
#include <vector>

namespace {

// The four header patterns as the classic regular-expression engine reads
// them; the detector must agree with them on every line.
bool matchesHeaderPattern(const QString& line) {
  static QRegExp patterns[] = {
      QRegExp(QStringLiteral("\\s*\\w+\\s*:\\s*function\\s+\\w+")),
      QRegExp(QStringLiteral("\\s*\\w+\\s*:\\s*\\w+")),
      QRegExp(QStringLiteral("\\s*modify\\s*\\w+")),
      QRegExp(QStringLiteral("\\s*replace\\s*\\w+")),
  };
  for (QRegExp& pattern : patterns) {
    if (pattern.exactMatch(line)) return true;
  }
  return false;
}

// Chunks as one comparable text: [name] followed by its entries.
std::string dump(const QList<ChunkEntry>& chunks) {
  QString out;
  for (const ChunkEntry& chunk : chunks) {
    out += QLatin1Char('[') + chunk.name + QLatin1Char(']');
    for (const LineEntry& e : chunk.lines) {
      out += QStringLiteral(" %1@%2.%3").arg(e.text).arg(e.lineIndex).arg(e.literalIndex);
    }
    out += QLatin1Char(' ');
  }
  return out.toStdString();
}

}  // namespace

TEST(ChunkDetector, RecognisesHeaderLines) {
  const std::vector<std::pair<const char*, bool>> cases = {
      {"redBall: item", true},
      {"  redBall : item", true},
      {"\tredBall:item", true},
      {"obj_1 : Class2", true},
      {"main: function foo", true},
      {"a: function", true},  // "function" as a class name
      {"modify livingRoom", true},
      {"   replace   livingRoom", true},
      {"modifyScore", true},
      {"replaceAll", true},
      {"комната: предмет", true},
      {"modify комната", true},
      {"redBall:\u00a0item", true},  // a no-break space is white space
      {"redBall: item ", false},
      {"redBall: item;", false},
      {"redBall: item // the ball", false},
      {"redBall: item {", false},
      {"redBall: item lamp", false},
      {"main: function foo(x)", false},
      {"main: function foo bar", false},
      {"Modify livingRoom", false},
      {"REPLACE livingRoom", false},
      {"modify", false},
      {"modify livingRoom now", false},
      {"a: b: c", false},
      {": item", false},
      {"redBall:", false},
      {"d = 'a: b'", false},
      {"", false},
      {"   ", false},
  };
  for (const auto& c : cases) {
    const QString line = QString::fromUtf8(c.first);
    EXPECT_EQ(isChunkHeader(line), c.second) << c.first;
    EXPECT_EQ(matchesHeaderPattern(line), c.second) << c.first;
  }
}

TEST(ChunkDetector, AgreesWithTheHeaderPatternsOnGeneratedLines) {
  const QStringList pieces = {
      QStringLiteral(" "),        QStringLiteral("\t"),     QStringLiteral(":"),
      QStringLiteral("a"),        QStringLiteral("_1"),     QStringLiteral("Я"),
      QStringLiteral("\u0301"),   QStringLiteral("modify"), QStringLiteral("replace"),
      QStringLiteral("function"), QStringLiteral(";"),      QStringLiteral("\""),
      QStringLiteral("\u00a0"),   QStringLiteral("-")};
  std::mt19937 random(7);
  for (int n = 0; n < 20000; ++n) {
    QString line;
    for (int length = static_cast<int>(random() % 8); length > 0; --length) {
      line += pieces[static_cast<int>(random() % pieces.size())];
    }
    ASSERT_EQ(isChunkHeader(line), matchesHeaderPattern(line)) << line.toStdString();
  }
}

TEST(ChunkDetector, CollectsLinesIntoChunks) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"redBall: item\n    name = \"red ball\";\n", "[redBall: item] red ball@1.0 "},
      // Lines before the first header are dropped.
      {"x = \"lost\";\nroom: item\n  d = \"kept\";", "[room: item] kept@2.0 "},
      // The second header is the first chunk's only collected line.
      {"modify livingRoom\nreplace livingRoom\n  d = 'x';\n",
       "[modify livingRoom] [replace livingRoom] x@2.0 "},
      // Names are untrimmed; the empty line after a final line feed counts.
      {"\tlamp: item\n", "[\tlamp: item] "},
      // A header on the last line without a final line feed is not emitted.
      {"a: b\n  t = \"1\";\nc: d", "[a: b] 1@1.0 "},
      {"a: b\n\"q\"\nc: d\n", "[a: b] q@1.0 [c: d] "},
      {"a: b", ""},
      // Equal names make two chunks; empty lines count in the indices.
      {"a: b\n\n\n'z' \"y\"\na: b\n\"w\"", "[a: b] z@3.0 y@3.1 [a: b] w@5.0 "},
      {"", ""},
      {"no header\n\"x\"\n", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(dump(detectChunks(QString::fromUtf8(c.first))), c.second) << c.first;
  }
}
