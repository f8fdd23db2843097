// The facts of TADS about what is a literal, where it ends and what it
// holds, one table row per fact.
#include "tadslex/tads_lexer.h"

#include <gtest/gtest.h>

#include <vector>

#include "lex_test_support.h"

TEST(TadsLexer, SkipsWhatIsNotALiteral) {
  expectLexed(
      {
          {"line comment", "x = 'a'; // don't \"quote\"\ny = 'b';", "[a][b]"},
          {"block comment", "/* it's \"here\"\n over lines */ x = 'a';", "[a]"},
          {"block comments do not nest", "/* /* */ x = 'a'; /* */", "[a]"},
          {"a splice carries a line comment on", "// c:\\dir\\\n'not code'\nx = 'a';", "[a]"},
          {"preprocessor lines",
           "#include \"a.h\"\n  #define X 'it'\n#charset \"latin1\"\nx = 'a';", "[a]"},
          {"a spliced preprocessor line", "#define X \"a\" \\\n  \"b\"\nx = 'c';", "[c]"},
          {"'#' inside a line is code", "x = 'a' # 'b';", "[a][b]"},
          {"R literals", "x = R\"a\\\"b\" + R'c<<d' + 'e';", "[e]"},
          {"R literals over lines", "x = R'a\n b' + 'c';", "[c]"},
          {"R only as a word of its own", "x = fooR'a' + 'b';", "[a][b]"},
          {"R literal inside an embedded expression", "x = \"a <<rexMatch(R'<<', y)>>\";",
           "[a <<rexMatch(R'<<', y)>>]"},
          {"a byte-order mark", "\xEF\xBB\xBF#charset \"utf-8\"\nx = 'a';", "[a]"},
      },
      TadsDialect::Tads3, textsOf);
}

TEST(TadsLexer, ReadsEveryQuoteKind) {
  expectLexed(
      {
          {"the other quote inside", "x = \"it's\"; y = 'say \"hi\"';", "[it's][say \"hi\"]"},
          {"escapes stay as written", "x = \"a\\\"b\\\\c\\n\\t\\^d\\u00e9\\x41\\101\\ \\<\";",
           "[a\\\"b\\\\c\\n\\t\\^d\\u00e9\\x41\\101\\ \\<]"},
          {"an escaped quote never ends a literal", "x = 'it\\'s'; y = \"\\\"\";",
           "[it\\'s][\\\"]"},
          {"an escaped backslash before the quote", "x = 'a\\\\'; y = 'b';", "[a\\\\][b]"},
          {"empty literals", "f('', \"\", '''''', \"\"\"\"\"\");", "[][][][]"},
          {"triple quotes", "x = \"\"\"say \"hi\" and \"\"now\"\"\"\"\";",
           "[say \"hi\" and \"\"now\"\"]"},
          {"a run closes with its last three", "x = '''abc''''; y = 'd';", "[abc'][d]"},
          {"a backslash escapes a whole run", "x = \"\"\"a\\\"\"\"\" b\"\"\";", "[a\\\"\"\"\" b]"},
          {"two quotes do not close a triple", "x = '''a''b''';", "[a''b]"},
      },
      TadsDialect::Tads3, textsOf);
  LexResult r = lexChecked("x = '''a'''; y = \"\"\"b\"\"\"; z = 'c'; w = \"d\";");
  ASSERT_EQ(r.literals.size(), 4);
  EXPECT_EQ(r.literals[0].quote, QuoteKind::TripleSingle);
  EXPECT_EQ(r.literals[1].quote, QuoteKind::TripleDouble);
  EXPECT_EQ(r.literals[2].quote, QuoteKind::Single);
  EXPECT_EQ(r.literals[3].quote, QuoteKind::Double);
}

TEST(TadsLexer, ReadsEmbeddedExpressions) {
  expectLexed(
      {
          {"an expression", "x = \"a <<obj.name>> b\";", "[a <<obj.name>> b]"},
          {"its own literals", "x = \"a <<lit ? 'burning' : 'cold'>> b\";",
           "[a <<lit ? 'burning' : 'cold'>> b][^burning][^cold]"},
          {"an inner literal's own embedding", "x = \"a <<f('x <<y>> \"z\"')>> b\";",
           "[a <<f('x <<y>> \"z\"')>> b][^x <<y>> \"z\"]"},
          {"'>>' in an inner literal closes nothing", "x = \"a <<f('>>')>> b\";",
           "[a <<f('>>')>> b][^>>]"},
          {"'>>' inside parentheses is a shift", "x = \"a <<(n >> 2)>> b\";", "[a <<(n >> 2)>> b]"},
          {"'>>' inside brackets and braces", "x = \"<<l[n >> 1]>><<{: n >> 1}>>\";",
           "[<<l[n >> 1]>><<{: n >> 1}>>]"},
          {"'<<' inside parentheses opens nothing", "x = \"a <<(n << 2)>> b\";",
           "[a <<(n << 2)>> b]"},
          {"'\\<' opens nothing", "x = \"a \\<<x>> b\";", "[a \\<<x>> b]"},
          {"a comment inside", "x = \"a <<x /* >> */>> b\";", "[a <<x /* >> */>> b]"},
          {"over lines", "x = \"a <<f(1,\n      2)>> b\";", "[a <<f(1,\n      2)>> b]"},
          {"in single quotes too", "x = 'a <<x>> b';", "[a <<x>> b]"},
          {"a format", "x = \"<<%5.2f n>> <<%_(5d n>>\";", "[<<%5.2f n>> <<%_(5d n>>]"},
          {"control forms", "x = \"<<if a>>b<<else>>c<<end>><<one of>>d<<or>>e<<stopping>>\";",
           "[<<if a>>b<<else>>c<<end>><<one of>>d<<or>>e<<stopping>>]"},
      },
      TadsDialect::Tads3, textsOf);
  LexResult r = lexChecked("x = \"a <<n>> <<%d n>> <<first time>>b<<only>>\";");
  ASSERT_EQ(r.literals.size(), 1);
  const QVector<EmbeddedPart>& parts = r.literals[0].embedded;
  ASSERT_EQ(parts.size(), 4);
  EXPECT_EQ(parts[0].begin, 7);
  EXPECT_EQ(parts[0].end, 12);
  EXPECT_EQ(parts[0].kind, EmbeddedKind::Expression);
  EXPECT_EQ(parts[1].kind, EmbeddedKind::Format);
  EXPECT_EQ(parts[2].kind, EmbeddedKind::Control);
  EXPECT_EQ(parts[3].kind, EmbeddedKind::Control);
  EXPECT_EQ(r.literals[0].depth, 0);
}

TEST(TadsLexer, FoldsLineBreaksByTheSpacingInForce) {
  expectLexed(
      {
          {"a break and the next line's blanks become one space", "x = 'a  \n     b';", "[a   b]"},
          {"an empty line gives two spaces", "x = 'a\n\n   b';", "[a  b]"},
          {"a blank line too", "x = 'a\n   \n   b';", "[a  b]"},
          {"tabs are blanks", "x = 'a\n\t\t b';", "[a b]"},
          {"after \\n nothing is added and blanks stay", "x = 'a\\n\n    b';", "[a\\n    b]"},
          {"a blank after \\n makes it an ordinary break", "x = 'a\\n \n    b';", "[a\\n  b]"},
          {"CR LF and lone CR", "x = 'a\r\n  b\r  c';", "[a b c]"},
          {"a splice joins without a space", "x = 'ab\\\n  cd';", "[ab  cd]"},
          {"delete", "#pragma newline_spacing(delete)\nx = 'a \n   b\nc';", "[a bc]"},
          {"delete keeps blanks after \\n", "#pragma newline_spacing(delete)\nx = 'a\\n\n  b';",
           "[a\\n  b]"},
          {"preserve", "#pragma newline_spacing(preserve)\nx = 'a \n   b';", "[a \n   b]"},
          {"preserve writes CR LF as one break",
           "#pragma newline_spacing(preserve)\nx = 'a\r\n b';", "[a\n b]"},
          {"the old names",
           "#pragma newline_spacing(off)\nx = 'a\n b';\n"
           "#pragma newline_spacing(on)\ny = 'a\n b';",
           "[ab][a b]"},
          {"the pragma's name in any case", "#  pragma NewLine_Spacing ( delete )\nx = 'a\n b';",
           "[ab]"},
          {"an unknown mode changes nothing", "#pragma newline_spacing(squash)\nx = 'a\n b';",
           "[a b]"},
          {"a pragma in a comment changes nothing",
           "/*\n#pragma newline_spacing(delete)\n*/\n"
           "x = 'a\n b';",
           "[a b]"},
          {"breaks inside an embedded part stay",
           "#pragma newline_spacing(delete)\n"
           "x = \"a\n <<f(1,\n 2)>>\n b\";",
           "[a<<f(1,\n 2)>>b]"},
      },
      TadsDialect::Tads3, textsOf);
  LexResult r = lexChecked(
      "a = 'x';\n#pragma newline_spacing(preserve)\nb = 'y\nz';\n"
      "#pragma newline_spacing(delete)\nc = 'w';");
  ASSERT_EQ(r.literals.size(), 3);
  EXPECT_EQ(r.literals[0].spacing, NewlineSpacing::Collapse);
  EXPECT_EQ(r.literals[1].spacing, NewlineSpacing::Preserve);
  EXPECT_EQ(r.literals[1].line, 3);
  EXPECT_EQ(r.literals[1].lastLine, 4);
  EXPECT_EQ(r.literals[2].spacing, NewlineSpacing::Delete);
  EXPECT_EQ(r.literals[2].line, 6);
}

TEST(TadsLexer, ReportsLiteralsTheCompilerRejects) {
  expectLexed(
      {
          {"';' alone on a continued line", "x = 'a';\ny = \"abc\n;\nz = 'd';", "[a][d]",
           "2: string literal opened on line 2 appears unterminated: ';' stands alone on line 3\n"},
          {"'}' alone, with blanks", "f() {\n  \"abc\n   }  \n  'd'; }", "[d]",
           "2: string literal opened on line 2 appears unterminated: '}' stands alone on line 3\n"},
          {"';' with more on its line is text", "x = 'a\n; b';", "[a ; b]", ""},
          {"after \\n the blanks stay, so ' ;' is text", "x = 'a\\n\n ;\n';", "[a\\n ; ]", ""},
          {"in preserve mode only a ';' at the line's start",
           "#pragma newline_spacing(preserve)\nx = 'a\n ;\n';\ny = 'b\n;\nz = 1;", "[a\n ;\n]",
           "5: string literal opened on line 5 appears unterminated: ';' stands alone on line 6\n"},
          {"open at the end", "x = 'a';\ny = \"abc\n", "[a]",
           "2: string literal opened on line 2 is left open at end of file\n"},
          {"open in an embedded expression", "x = \"a <<f(1", "",
           "1: string literal opened on line 1 is left open at end of file inside an embedded "
           "expression\n"},
          {"an inner literal names its own line", "x = \"a <<f(\n'b\n;\n", "",
           "2: string literal opened on line 2 appears unterminated: ';' stands alone on line 3\n"},
          {"a lone backslash before the end", "x = 'abc\\';", "",
           "1: string literal opened on line 1 is left open at end of file\n"},
      },
      TadsDialect::Tads3, textsOf);
}

TEST(TadsLexer, ReadsTheTads2Dialect) {
  expectLexed(
      {
          {"no triple quotes", "x = \"\"\"a\"\"\";", "[][a][]"},
          {"no R literals", "x = R'a';", "[a]"},
          {"'<<' in double quotes only", "x = 'a <<b>>'; y = \"c <<d>>\";", "[a <<b>>][c <<d>>]"},
          {"no embedding in an inner literal", "x = \"a <<f(\"<<\")>>\";",
           "[a <<f(\"<<\")>>][^<<]"},
          {"'>>' closes inside parentheses", "x = \"<<(a>>\";", "[<<(a>>]"},
          {"blank lines fold to one space", "x = 'a \n\n   \n  b';", "[a  b]"},
          {"no \\n exception", "x = 'a\\n\n  b';", "[a\\n b]"},
          {"no splices", "x = 'a\\\n  b';", "[a\\ b]"},
          {"';' alone is only a warning", "x = 'a\n;\nb';", "[a ; b]"},
          {"pragmas change nothing", "#pragma newline_spacing(delete)\nx = 'a\n b';", "[a b]"},
          {"comments and preprocessor lines", "#include <adv.t>\n// it's\nx = /* 'no' */ 'a';",
           "[a]"},
      },
      TadsDialect::Tads2, textsOf);
}

TEST(TadsLexer, SpansAreExactByteOffsets) {
  const QByteArray source = "lamp: Thing 'brass lamp' \"\"\"An \"old\"\n   lamp.\"\"\" \"<<x>>\";";
  LexResult r = lexChecked(source);
  ASSERT_EQ(r.literals.size(), 3);
  const TadsLiteral& a = r.literals[0];
  EXPECT_EQ(a.begin, 12);
  EXPECT_EQ(a.end, 24);
  EXPECT_EQ(source.mid(a.bodyBegin, a.bodyEnd - a.bodyBegin), "brass lamp");
  const TadsLiteral& b = r.literals[1];
  EXPECT_EQ(source.mid(b.begin, b.end - b.begin), "\"\"\"An \"old\"\n   lamp.\"\"\"");
  EXPECT_EQ(b.text, "An \"old\" lamp.");
  EXPECT_EQ(b.line, 1);
  EXPECT_EQ(b.lastLine, 2);
  const TadsLiteral& c = r.literals[2];
  EXPECT_EQ(source.mid(c.embedded[0].begin, c.embedded[0].end - c.embedded[0].begin), "<<x>>");
}
