#include "check/tolerant_html_reader.h"

#include <gtest/gtest.h>

#include "check/check_test_support.h"

namespace {

// The reading as text: the model, then each row's quirks, then the notes.
QString describe(const TolerantReading& reading) {
  QString text = checktest::dumpModel(reading.model);
  QStringList keys = reading.quirks.keys();
  keys.sort();
  for (const QString& key : keys) {
    text += QStringLiteral("Q %1: %2\n")
                .arg(QString(key).replace('\n', '|'), reading.quirks[key].join("; "));
  }
  for (const auto& note : reading.notes) text += QStringLiteral("N %1\n").arg(note.second);
  return text;
}

struct HtmlCase {
  const char* name;
  const char* html;
  const char* expected;
};

void PrintTo(const HtmlCase& c, std::ostream* out) { *out << c.name; }

const HtmlCase kCases[] = {
    {"GetModePage",
     "<!DOCTYPE html>    <html>      <head>        <meta charset=\"utf-8\">        <title>TADS "
     "doc</title>      </head>      <body><h1>start</h1><h2>kitchen: Room</h2><table border=\"1\" "
     "cellpadding=\"1\" cellspacing=\"1\"><tbody><tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt; "
     "&amp;amp; &amp;quot;x&amp;quot;  </td><td "
     "width=10%>\"/12/0</td></tr></tbody></table><p>&nbsp;"
     "</p><p>&nbsp;</p><p>&nbsp;</p></body></html>",
     "F start\nC kitchen: Room\nR \"/12/0 The kettle is <b>hot</b> &amp; &quot;x&quot;  \n"},
    {"EditorLayoutAroundAndInsideCells",
     "<h1 class=\"western\">\n\tstart</h1>\n<h2 class=\"western\">kitchen: Room</h2>\n<table>\n"
     "<col width=\"218*\"/>\n<tr valign=\"top\">\n\t\t<td style=\"border: none\"><p style=\"x\">\n"
     "\t\t\tA long text that the editor\n\t\t\twrapped</p>\n\t\t</td>\n\t\t<td width=\"10%\"><p>\n"
     "\t\t\t&quot;/3/1</p>\n\t\t</td>\n\t</tr>\n</table>",
     "F start\nC kitchen: Room\nR \"/3/1 A long text that the editor wrapped\n"
     "Q start|3/1: white space stands between the row's start and its first cell; white space "
     "stands between the row's two cells; the text cell holds markup (<p>); the position cell "
     "holds markup (<p>)\n"},
    {"CapitalsEntitiesSpansAndBreaks",
     "<H1>start</H1><H2>c: T</H2><TABLE><TR><TD><SPAN class=\"c0 c1\">caf&eacute; &mdash; "
     "</SPAN><b>bold</b><br>next&#160;line</TD><TD>&#39;/1/2</TD><TD>extra</TD></TR></TABLE>",
     "F start\nC c: T\nR '/1/2 caf\u00e9 \u2014 bold next\u00a0line\n"
     "Q start|1/2: the text cell holds markup (<span>, <b>, <br>)\n"},
    {"RowsNoProgramCanApply",
     "<table><tr><td>early</td><td>\"/1/0</td></tr></table><h1>start</h1><h2>c: T</h2><table>"
     "<tr><td>lonely</td></tr><tr><td>bad</td><td>\"/1</td></tr><tr><td>ok</td><td>'/2/0</td>"
     "</tr></table>",
     "F start\nC c: T\nR '/2/0 ok\nN a row stands before any file heading\nN a table row has "
     "fewer than two cells\nN a row's position is not of the form quote/line/literal: \"/1\n"},
    {"RowWithoutChunkHeadingGetsAnUnnamedChunk",
     "<h1>start</h1><table><tr><td>x</td><td>'/2/0</td></tr></table>", "F start\nC \nR '/2/0 x\n"},
};

class TolerantHtmlReader : public testing::TestWithParam<HtmlCase> {};

TEST_P(TolerantHtmlReader, TakesWhatABrowserShows) {
  EXPECT_EQ(QString::fromUtf8(GetParam().expected),
            describe(readTolerantHtml(QByteArray(GetParam().html))));
}

INSTANTIATE_TEST_SUITE_P(Cases, TolerantHtmlReader, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HtmlCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(CollapseLayoutWhiteSpace, CollapsesRunsWithLineBreaksOrTabsAndKeepsPlainSpaces) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"\n\t\tHello\n\t\tworld\n\t", "Hello world"},
      {"  two  spaces ", "  two  spaces "},
      {"trail \n\t\t\t", "trail"},
      {"a \t b", "a b"},
      {"\n", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QString::fromUtf8(c.out), collapseLayoutWhiteSpace(QString::fromUtf8(c.in))) << c.in;
  }
}

}  // namespace
