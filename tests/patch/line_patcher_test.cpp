#include "patch/line_patcher.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "console_capture.h"

namespace {

// Applies rows (literal index, text) to one line in order, as the walk does.
QString applyRows(const QString& line, const std::vector<std::pair<quint32, const char*>>& rows) {
  QString current = line;
  for (const auto& row : rows) {
    LineEntry entry;
    entry.literalIndex = row.first;
    entry.text = QString::fromUtf8(row.second);
    entry.lineIndex = 99;        // not used by the patcher
    entry.doubleQuoted = false;  // neither is the quote kind
    QString patched;
    if (patchLine(current, entry, patched)) current = patched;
  }
  return current;
}

TEST(LinePatcher, PlaceholderIsTwoBackslashesTheNumberAndASpace) {
  EXPECT_EQ(placeholderFor(0).toStdString(), R"(\\0 )");
  EXPECT_EQ(placeholderFor(10).toStdString(), R"(\\10 )");
  EXPECT_EQ(placeholderFor(4294967295u).toStdString(), R"(\\4294967295 )");
}

TEST(LinePatcher, TemplateKeepsQuotesAndOuterTextAndNumbersLiteralsLeftToRight) {
  const struct {
    const char* line;
    const char* expected;
  } cases[] = {
      {R"(local x = 1;)", R"(local x = 1;)"},
      {R"(  x = "hello"; // done)", R"(  x = "\\0 "; // done)"},
      {R"(f('a', "b c", '');)", R"(f('\\0 ', "\\1 ", '\\2 ');)"},
      {R"("" 'b')", R"("\\0 " '\\1 ')"},
      {R"(say("it's"); x('say "no"');)", R"(say("\\0 "); x('\\1 ');)"},
      {R"(x = "say \"hi\" \'y\'";)", R"(x = "\\0 ";)"},
      // Escaped quotes outside a literal, and the marker text itself, come
      // out as escaped quotes.
      {R"(// don\'t \"x\" "a")", R"(// don\'t \"x\" "\\0 ")"},
      {R"(x <DQUOTE> <SQUOTE> "a<DQUOTE>")", R"(x \" \' "\\0 ")"},
      // An escaped backslash before the closing quote reads as an escaped
      // quote: the literal runs on to the next quote.
      {R"("a\\"" + "b")", R"("\\0 " + "\\1 ")"},
  };
  for (const auto& c : cases) {
    ConsoleCapture console;
    EXPECT_EQ(makeLineTemplate(QString::fromUtf8(c.line)).toStdString(), c.expected) << c.line;
    EXPECT_EQ(console.text().toStdString(), "") << c.line;
  }
}

TEST(LinePatcher, LineEndingInsideALiteralWarnsWithTheMaskedLineAndStaysUnchanged) {
  const struct {
    const char* line;
    const char* warning;
  } cases[] = {
      {R"(x = "abc)", "Warning! May be miltiline string found at line:  \"x = \"abc\" . Ignore \n"},
      {R"("a" // it's)",
       "Warning! May be miltiline string found at line:  \"\"a\" // it's\" . Ignore \n"},
      {R"(say('don\'t)",
       "Warning! May be miltiline string found at line:  \"say('don<SQUOTE>t\" . Ignore \n"},
      {R"("a\\" + "b")",
       "Warning! May be miltiline string found at line:  \"\"a\\<DQUOTE> + \"b\"\" . Ignore \n"},
  };
  for (const auto& c : cases) {
    const QString line = QString::fromUtf8(c.line);
    {
      ConsoleCapture console;
      EXPECT_EQ(makeLineTemplate(line), QString()) << c.line;
      EXPECT_EQ(console.text().toStdString(), c.warning) << c.line;
    }
    // Rows of that line find no template and no placeholder.
    ConsoleCapture console;
    EXPECT_EQ(applyRows(line, {{0, "NEW"}, {1, "NEW"}}), line) << c.line;
  }
}

TEST(LinePatcher, RowsFillTheirOwnPlaceholdersInModelOrder) {
  const char* eleven = R"(t("a","b","c","d","e","f","g","h","i","j","k");)";
  const struct {
    const char* name;
    const char* line;
    std::vector<std::pair<quint32, const char*>> rows;
    const char* expected;
  } cases[] = {
      {"in order", R"(f("a", 'b', "c");)", {{0, "A"}, {1, "B"}, {2, "C"}}, R"(f("A", 'B', "C");)"},
      {"eleven literals",
       eleven,
       {{0, "A"}, {1, "B"}},
       R"(t("A","B","\\2 ","\\3 ","\\4 ","\\5 ","\\6 ","\\7 ","\\8 ","\\9 ","\\10 ");)"},
      {"row 0 missing", R"(f("a", "b");)", {{1, "B"}, {2, "C"}}, R"(f("a", "b");)"},
      {"row 1 missing", R"(f("a", "b");)", {{0, "A"}}, R"(f("A", "\\1 ");)"},
      {"order 1, 0", R"(f("a", "b");)", {{1, "B"}, {0, "A"}}, R"(f("A", "\\1 ");)"},
      {"two rows 0", R"(f("a", "b");)", {{0, "A"}, {0, "Z"}, {1, "B"}}, R"(f("Z", "B");)"},
      {"row 2 of two", R"(f("a", "b");)", {{0, "A"}, {1, "B"}, {2, "C"}}, R"(f("A", "B");)"},
      {"later placeholder in text",
       R"(f("a", "b");)",
       {{0, R"(x\\1 y)"}, {1, "B"}},
       R"(f("xBy", "B");)"},
      {"own quote verbatim",
       R"(f("a", 'b');)",
       {{0, R"(say "hi")"}, {1, "it's"}},
       R"(f("say "hi"", 'it's');)"},
      {"empty literal", R"(x = "" + 'b';)", {{0, "E"}, {1, "B"}}, R"(x = "E" + 'B';)"},
      {"text empties a literal", R"(f("a");)", {{0, ""}}, R"(f("");)"},
      {"entities verbatim",
       R"(x = "say \"hi\"";)",
       {{0, "say &quot;hi&quot;"}},
       R"(x = "say &quot;hi&quot;";)"},
      {"single-quoted escapes kept",
       R"(x = 'don\'t'; // it\'s)",
       {{0, R"(don\'t)"}},
       R"(x = 'don\'t'; // it\'s)"},
      {"no literals", R"(x = 1;)", {{0, "A"}}, R"(x = 1;)"},
  };
  for (const auto& c : cases) {
    ConsoleCapture console;
    EXPECT_EQ(applyRows(QString::fromUtf8(c.line), c.rows).toStdString(), c.expected) << c.name;
    EXPECT_EQ(console.text().toStdString(), "") << c.name;
  }
}

}  // namespace
