#include "formats/html_formatter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QTextStream>
#include <string>
#include <vector>

#include "formats/document_writer.h"

namespace {

const std::string kHeader =
    "<!DOCTYPE html>" + std::string(4, ' ') + "<html>" + std::string(6, ' ') + "<head>" +
    std::string(8, ' ') + "<meta charset=\"utf-8\">" + std::string(8, ' ') +
    "<title>TADS doc</title>" + std::string(6, ' ') + "</head>" + std::string(6, ' ') + "<body>";
const std::string kTableStart = "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>";
const std::string kGap = "<p>&nbsp;</p>";

// The document's bytes as the get-mode run writes them: codec set by the
// formatter, then the model inserted with the HTML format selected.
std::string writeDocument(const DocumentModel& model) {
  const int saved = formatIndex;
  setFormatIndex(0);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QTextStream out(&buffer);
    htmlFormatter.setStreamCodec(out);
    out << model;
  }
  setFormatIndex(saved);
  return buffer.data().toStdString();
}

std::string row(const char* text, bool doubleQuoted, unsigned line, unsigned literal) {
  QString written;
  QTextStream out(&written);
  htmlFormatter.writeLine(out, QString::fromUtf8(text), doubleQuoted, line, literal);
  out.flush();
  return written.toStdString();
}

}  // namespace

TEST(HtmlFormatter, WritesTheWorkedExample) {
  const DocumentModel model = {FileEntry{
      QStringLiteral("start"),
      {ChunkEntry{
          QStringLiteral("kitchen"),
          {LineEntry{QStringLiteral("The kettle is <b>hot</b> & steaming."), true, 12, 0}}}}}};
  EXPECT_EQ(writeDocument(model),
            kHeader + "<h1>start</h1>" + "<h2>kitchen</h2>" + kTableStart +
                "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt; &amp; steaming.</td>"
                "<td width=10%>\"/12/0</td></tr>" +
                "</tbody></table>" + kGap + kGap + kGap + "</body></html>");
}

TEST(HtmlFormatter, WritesEmptyPartsAndNamesUnescapedInUtf8) {
  EXPECT_EQ(writeDocument({}), kHeader + "</body></html>");
  const DocumentModel model = {
      FileEntry{QStringLiteral("старт"), {}},
      FileEntry{QStringLiteral("a&b"), {ChunkEntry{QStringLiteral("\t<x>: y"), {}}}}};
  EXPECT_EQ(writeDocument(model), kHeader + "<h1>\xD1\x81\xD1\x82\xD0\xB0\xD1\x80\xD1\x82</h1>" +
                                      kGap + kGap + "<h1>a&b</h1><h2>\t<x>: y</h2>" + kTableStart +
                                      "</tbody></table>" + kGap + kGap + kGap + "</body></html>");
}

TEST(HtmlFormatter, WritesOneRowPerEntry) {
  struct Case {
    const char* text;
    bool doubleQuoted;
    unsigned line, literal;
    std::string cells;
  };
  const std::vector<Case> cases = {
      {"", true, 0, 0, "<td></td><td width=10%>\"/0/0</td>"},
      {"it's \"x\"", false, 7, 2, "<td>it's \"x\"</td><td width=10%>'/7/2</td>"},
      {"&lt; &quot;a&quot; <br>", true, 1, 3,
       "<td>&amp;lt; &amp;quot;a&amp;quot; &lt;br&gt;</td><td width=10%>\"/1/3</td>"},
      {"a > b && c", true, 4294967295u, 10,
       "<td>a &gt; b &amp;&amp; c</td><td width=10%>\"/4294967295/10</td>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(row(c.text, c.doubleQuoted, c.line, c.literal), "<tr>" + c.cells + "</tr>") << c.text;
  }
}
