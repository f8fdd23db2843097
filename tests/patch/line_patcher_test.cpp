#include "patch/line_patcher.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string kWarning = "Warning! May be miltiline string found at line:  \"";

TEST(LinePatcher, TemplateNumbersLiteralsLeftToRightOrWarnsWhenALiteralRunsOn) {
  const struct {
    const char* line;
    const char* expected;
    const char* masked;  // the line as quoted in the warning, when one is due
  } cases[] = {
      {R"(local x = 1;)", R"(local x = 1;)", nullptr},
      {R"(  x = "hello"; // done)", R"(  x = "\\0 "; // done)", nullptr},
      {R"(f('a', "b c", '');)", R"(f('\\0 ', "\\1 ", '\\2 ');)", nullptr},
      {R"("" 'b')", R"("\\0 " '\\1 ')", nullptr},
      {R"(say("it's"); x('say "no"');)", R"(say("\\0 "); x('\\1 ');)", nullptr},
      {R"(x = "say \"hi\" \'y\'";)", R"(x = "\\0 ";)", nullptr},
      // Escaped quotes outside a literal, and the marker text itself, come
      // out as escaped quotes.
      {R"(// don\'t \"x\" "a")", R"(// don\'t \"x\" "\\0 ")", nullptr},
      {R"(x <DQUOTE> <SQUOTE> "a<DQUOTE>")", R"(x \" \' "\\0 ")", nullptr},
      // An escaped backslash before the closing quote reads as an escaped
      // quote: the literal runs on to the next quote.
      {R"("a\\"" + "b")", R"("\\0 " + "\\1 ")", nullptr},
      {R"("a\\" + "b")", "", R"("a\<DQUOTE> + "b")"},
      {R"(x = "abc)", "", R"(x = "abc)"},
      {R"("a" // it's)", "", R"("a" // it's)"},
      {R"(say('don\'t)", "", R"(say('don<SQUOTE>t)"},
  };
  for (const auto& c : cases) {
    QStringList warnings;
    EXPECT_EQ(makeLineTemplate(QString::fromUtf8(c.line), warnings).toStdString(), c.expected)
        << c.line;
    const std::string warning = c.masked ? kWarning + c.masked + "\" . Ignore " : "";
    EXPECT_EQ(warnings.join('\n').toStdString(), warning) << c.line;
  }
}

// Rows in order, a missing row 0, a placeholder left unfilled and quotes in
// a text are held by the new-mode golden cases.
TEST(LinePatcher, RowsFillTheirOwnPlaceholdersInModelOrder) {
  const char* eleven = R"(t("a","b","c","d","e","f","g","h","i","j","k");)";
  const struct {
    const char* line;
    std::vector<std::pair<quint32, const char*>> rows;  // literal index, text
    const char* expected;
  } cases[] = {
      {eleven,
       {{0, "A"}, {1, "B"}},
       R"(t("A","B","\\2 ","\\3 ","\\4 ","\\5 ","\\6 ","\\7 ","\\8 ","\\9 ","\\10 ");)"},
      // Row 0 rebuilds the template: without it nothing changes, after a
      // later row it discards that row's text.
      {R"(f("a", "b");)", {{1, "B"}, {0, "A"}}, R"(f("A", "\\1 ");)"},
      {R"(f("a", "b");)", {{0, "A"}, {0, "Z"}, {1, "B"}}, R"(f("Z", "B");)"},
      {R"(f("a", "b");)", {{0, "A"}, {1, "B"}, {2, "C"}}, R"(f("A", "B");)"},
      // A text is put in verbatim, a later placeholder in it included.
      {R"(f("a", "b");)", {{0, R"(x\\1 y)"}, {1, "B"}}, R"(f("xBy", "B");)"},
      {R"(x = "say \"hi\"";)", {{0, "say &quot;hi&quot;"}}, R"(x = "say &quot;hi&quot;";)"},
      {R"(x = 'don\'t'; // it\'s)", {{0, R"(don\'t)"}}, R"(x = 'don\'t'; // it\'s)"},
      {R"(x = "" + 'b';)", {{0, "E"}, {1, "B"}}, R"(x = "E" + 'B';)"},
      {R"(f("a");)", {{0, ""}}, R"(f("");)"},
      {R"(x = 1;)", {{0, "A"}}, R"(x = 1;)"},
      {R"(x = "abc)", {{0, "A"}, {1, "B"}}, R"(x = "abc)"},
  };
  for (const auto& c : cases) {
    QString line = QString::fromUtf8(c.line);
    QStringList warnings;
    for (const auto& row : c.rows) {
      QString patched;
      if (patchLine(line, row.first, QString::fromUtf8(row.second), patched, warnings)) {
        line = patched;
      }
    }
    EXPECT_EQ(line.toStdString(), c.expected) << c.line;
  }
}

}  // namespace

// The one-pass fill must give what applying the rows one by one gives, on
// every line and row sequence it accepts: lines built from quotes,
// backslashes, markers and placeholder look-alikes.
TEST(LinePatcher, OnePassFillAgreesWithRowByRowPatching) {
  const char* atoms[] = {"\"", "'", "\\", "\\\\", "a", " ", "\\1 ", "<DQUOTE>", "\\\"", "\\'", "ф"};
  const char* texts[] = {"", "t", "two words", "\"q\"", "'", "\\1 ", "<SQUOTE>", "ф", "\\\\2 "};
  QStringList warnings;  // unterminated lines warn on the row-by-row side
  std::srand(11);
  int accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    QString line;
    for (int i = std::rand() % 12; i > 0; --i) line += QString::fromUtf8(atoms[std::rand() % 11]);
    FileEntry file;
    file.appendChunk(QStringView());
    for (int r = 1 + std::rand() % 4; r > 0; --r) {
      const quint32 literal = file.rows.isEmpty() && std::rand() % 4 ? 0 : std::rand() % 4;
      file.appendRow(LineEntry{QString::fromUtf8(texts[std::rand() % 9]), false, 0, literal});
    }
    QString oneByOne = line;
    QVector<const LineRecord*> pointers;
    for (const LineRecord& row : file.rows) {
      QString patched;
      if (patchLine(oneByOne, row.literalIndex, file.textOf(row), patched, warnings)) {
        oneByOne = patched;
      }
      pointers.append(&row);
    }
    QString atOnce;
    if (!patchLineAtOnce(line, file, pointers.constData(), pointers.size(), atOnce)) continue;
    ++accepted;
    ASSERT_EQ(atOnce.toStdString(), oneByOne.toStdString()) << line.toStdString();
  }
  EXPECT_GT(accepted, 1000);
}
