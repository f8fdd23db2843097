#include "scan/literal_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console_capture.h"

namespace {

// Entries as one comparable text: "text"@line.literal for a double-quoted
// entry, 'text'@line.literal for a single-quoted one, separated by blanks.
std::string dump(const QList<LineEntry>& entries) {
  QString out;
  for (const LineEntry& e : entries) {
    const QChar quote = e.doubleQuoted ? QLatin1Char('"') : QLatin1Char('\'');
    out += quote + e.text + quote + QStringLiteral("@%1.%2 ").arg(e.lineIndex).arg(e.literalIndex);
  }
  return out.toStdString();
}

std::string warning(int lineIndex) {
  return "Warning! May be miltiline string found at line:  " + std::to_string(lineIndex) +
         " . Ignore \n";
}

struct LineCase {
  const char* line;
  std::string entries;
  bool warns;
};

}  // namespace

TEST(LiteralScanner, ExtractsTheLiteralsOfOneLine) {
  const std::vector<LineCase> cases = {
      // Escaped quotes, both markers, in both quote kinds.
      {R"(d = "say \"hi\" now";)", R"("say &quot;hi&quot; now"@7.0 )", false},
      {R"(d = "it\'s";)", R"("it&apos;s"@7.0 )", false},
      {R"(d = 'it\'s';)", R"('it\'s'@7.0 )", false},
      {R"(d = 'say \"hi\"';)", R"('say \"hi\"'@7.0 )", false},
      {R"(d = "a\"b\'c"; e = 'a\"b\'c';)", R"("a&quot;b&apos;c"@7.0 'a\"b\'c'@7.1 )", false},
      // The other quote kind inside a literal is plain text.
      {R"(d = "it's";)", R"("it's"@7.0 )", false},
      {R"(d = 'a "b" c';)", R"('a "b" c'@7.0 )", false},
      // Empty literals are counted; both kinds share one numbering.
      {R"(d = ""; e = 'q';)", R"(""@7.0 'q'@7.1 )", false},
      {R"(f('a', "", '', "b");)", R"('a'@7.0 ""@7.1 ''@7.2 "b"@7.3 )", false},
      // Other backslash sequences, markup, entities and embedded
      // expressions stay as written.
      {R"(d = "a\nb <b>x</b> &amp; <<obj.name>>";)", R"("a\nb <b>x</b> &amp; <<obj.name>>"@7.0 )",
       false},
      {"no quotes at all", "", false},
      // A line that ends inside a literal gives nothing, not even the
      // literals closed before.
      {R"(d = "never closed)", "", true},
      {R"(d = "done"; // don't)", "", true},
      {R"(d = 'a' + "b)", "", true},
      // An escaped backslash before the closing quote escapes the quote.
      {R"(d = "ends in \\";)", "", true},
  };
  for (const LineCase& c : cases) {
    ConsoleCapture console;
    EXPECT_EQ(dump(extractLineLiterals(QString::fromUtf8(c.line), 7)), c.entries) << c.line;
    EXPECT_EQ(console.text().toStdString(), c.warns ? warning(7) : "") << c.line;
  }
}

TEST(LiteralScanner, ScanLineReportsMaskedTextAndSpans) {
  const ScannedLine scanned = scanLine(QStringLiteral(R"(x("a\"", 'b'); y = ")"));
  EXPECT_EQ(scanned.masked.toStdString(), R"(x("a<DQUOTE>", 'b'); y = ")");
  ASSERT_EQ(scanned.literals.size(), 2);
  EXPECT_EQ(scanned.literals[0].begin, 3);
  EXPECT_EQ(scanned.literals[0].end, 12);
  EXPECT_TRUE(scanned.literals[0].doubleQuoted);
  EXPECT_EQ(scanned.literals[1].begin, 16);
  EXPECT_EQ(scanned.literals[1].end, 17);
  EXPECT_FALSE(scanned.literals[1].doubleQuoted);
  EXPECT_TRUE(scanned.unterminated);
}

TEST(LiteralScanner, ChunkLiteralsConcatenateInLineOrderAndSkipQuotelessLines) {
  // A literal over three lines: its first line is dropped with a warning,
  // the quoteless middle line is passed over silently, and the closing
  // quote of the last line opens a literal that never closes.
  const QList<SourceLine> lines = {
      {QStringLiteral("desc = \"a\" + 'b';"), 3},  {QStringLiteral("  no quote here \\ at all"), 4},
      {QStringLiteral("long = \"first part"), 5},  {QStringLiteral("middle words"), 6},
      {QStringLiteral("last part\";"), 7},         {QString(), 8},
      {QStringLiteral("name = ''; x = \"\";"), 9},
  };
  ConsoleCapture console;
  EXPECT_EQ(dump(extractChunkLiterals(lines)), R"("a"@3.0 'b'@3.1 ''@9.0 ""@9.1 )");
  EXPECT_EQ(console.text().toStdString(), warning(5) + warning(7));
}
