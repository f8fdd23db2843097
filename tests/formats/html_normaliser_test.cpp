#include <gtest/gtest.h>

#include <QRegExp>
#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "formats/html_formatter.h"

namespace {

std::string normalise(const std::string& document) {
  return htmlFormatter.preprocess(QString::fromStdString(document)).toStdString();
}

// The nine steps as the classic regular-expression engine performs them;
// the normaliser must give the same text on every document.
QString normaliseWithRegExps(QString document) {
  auto pattern = [](const char* text, bool minimal) {
    QRegExp regExp(QString::fromLatin1(text));
    regExp.setMinimal(minimal);
    return regExp;
  };
  document.replace(pattern("<style type=\"text/css\">.*</style>", true), QString());
  document.replace(pattern("\\s*class=\"\\w+\"", false), QString());
  document.replace(pattern("<a\\s+id=.*</a>", true), QString());
  document.remove(QStringLiteral("<p>"));
  document.remove(QStringLiteral("</p>"));
  document.replace(pattern("<meta.*>", true), QString());
  document.remove(QStringLiteral("&nbsp;"));
  document.remove(QStringLiteral(" width=10%"));
  document.replace(pattern("<span>(.*)</span>", true), QStringLiteral("\\1"));
  return document;
}

std::string spaces(int count) { return std::string(static_cast<size_t>(count), ' '); }

}  // namespace

TEST(HtmlNormaliser, AppliesEachCleanUpStep) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      // 1: style blocks of that exact opening tag, up to the first end tag.
      {"a<style type=\"text/css\">p {}\n</style>b<style type=\"text/css\">c</style>d</style>",
       "abd</style>"},
      {"<style>p {}</style>", "<style>p {}</style>"},
      // 2: class attributes of word characters, with the white space before.
      {"<div \n class=\"c_1\">x</div><i class=\"Я\">", "<div>x</div><i>"},
      {"<div style=\"s\" class=\"k\">", "<div style=\"s\">"},
      {"<div class=\"a b\"><div class=\"\"><div class=x>",
       "<div class=\"a b\"><div class=\"\"><div class=x>"},
      // 3: anchors that begin with an id, content included, up to the first </a>.
      {"x<a id=\"t1\"></a>y<a \n id=t2>link</a>z", "xyz"},
      {"<a id=1>a</a>b</a>", "b</a>"},
      {"<a href=\"u\">k</a><a>id=</a>", "<a href=\"u\">k</a><a>id=</a>"},
      // 4, 5: bare paragraph tags only, with case.
      {"<p>a</p><P>b</P>", "a<P>b</P>"},
      {"<p style=\"s\">a</p>", "<p style=\"s\">a"},
      // 2 then 4, 5 and 9: tags that carried only a class go completely.
      {"<p class=\"c2\"><span class=\"c3\">y</span></p>", "y"},
      // 6: meta tags up to the first ">".
      {"<meta charset=\"utf-8\"><meta name=\"a\" />z<META x>", "z<META x>"},
      // 7: no-break space entities vanish, the text around them meets.
      {"red&nbsp;ball &nbsp", "redball &nbsp"},
      // 8: the width attribute, also inside a text cell, blank included.
      {"<td width=10%>\"/1/0</td><td>x width=10%</td><td width=10%%>",
       "<td>\"/1/0</td><td>x</td><td%>"},
      {"<td width=20%>width=10%", "<td width=20%>width=10%"},
      // 9: plain spans replaced by their content, up to the first </span>;
      // one pass, so a nested pair keeps one pair of tags.
      {"<span>a</span>-<span>b\nc</span>", "a-b\nc"},
      {"<span><span>a</span></span>", "<span>a</span>"},
      {"<SPAN>a</SPAN><span lang=\"ru\">b</span>", "<SPAN>a</SPAN><span lang=\"ru\">b</span>"},
      {"<span>open", "<span>open"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(normalise(c.first), c.second) << c.first;
  }
}

TEST(HtmlNormaliser, CleansTheWrittenWorkedExample) {
  const std::string document = "<!DOCTYPE html>" + spaces(4) + "<html>" + spaces(6) + "<head>" +
                               spaces(8) + "<meta charset=\"utf-8\">" + spaces(8) +
                               "<title>TADS doc</title>" + spaces(6) + "</head>" + spaces(6) +
                               "<body><h1>start</h1><h2>kitchen</h2>"
                               "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>"
                               "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt; &amp; steaming.</td>"
                               "<td width=10%>\"/12/0</td></tr></tbody></table>"
                               "<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p></body></html>";
  EXPECT_EQ(normalise(document),
            "<!DOCTYPE html>" + spaces(4) + "<html>" + spaces(6) + "<head>" + spaces(16) +
                "<title>TADS doc</title>" + spaces(6) + "</head>" + spaces(6) +
                "<body><h1>start</h1><h2>kitchen</h2>"
                "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>"
                "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt; &amp; steaming.</td>"
                "<td>\"/12/0</td></tr></tbody></table></body></html>");
}

TEST(HtmlNormaliser, CleansAnEditorSavedRow) {
  EXPECT_EQ(normalise("<tr class=\"r1\"><td class=\"c1\"><p class=\"c2\"><span>The kettle is "
                      "&lt;b&gt;hot&lt;/b&gt;.</span></p></td><td class=\"c1\" "
                      "width=10%>\"/12/0</td></tr>"),
            "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt;.</td><td>\"/12/0</td></tr>");
}

TEST(HtmlNormaliser, AgreesWithTheRegularExpressionsOnGeneratedDocuments) {
  const QStringList pieces = {QStringLiteral("<style type=\"text/css\">"),
                              QStringLiteral("</style>"),
                              QStringLiteral(" "),
                              QStringLiteral("\n"),
                              QStringLiteral("class=\""),
                              QStringLiteral("c1"),
                              QStringLiteral("\""),
                              QStringLiteral("<a"),
                              QStringLiteral(" id="),
                              QStringLiteral("id="),
                              QStringLiteral("</a>"),
                              QStringLiteral("<p>"),
                              QStringLiteral("</p>"),
                              QStringLiteral("<meta"),
                              QStringLiteral("<span>"),
                              QStringLiteral("</span>"),
                              QStringLiteral("&nbsp;"),
                              QStringLiteral(" width=10%"),
                              QStringLiteral("<"),
                              QStringLiteral(">"),
                              QStringLiteral("Я"),
                              QStringLiteral("-")};
  std::mt19937 random(11);
  for (int n = 0; n < 10000; ++n) {
    QString document;
    for (int length = static_cast<int>(random() % 14); length > 0; --length) {
      document += pieces[static_cast<int>(random() % pieces.size())];
    }
    ASSERT_EQ(htmlFormatter.preprocess(document).toStdString(),
              normaliseWithRegExps(document).toStdString())
        << document.toStdString();
  }
}
