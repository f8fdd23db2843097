#include <gtest/gtest.h>

#include <QRegExp>
#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "formats/html_formatter.h"

namespace {

// The nine steps as the classic regular-expression engine performs them;
// the normaliser must give the same text on every document.
QString normaliseWithRegExps(QString document) {
  auto replace = [&document](const char* pattern, bool minimal, const char* with = "") {
    QRegExp regExp(QString::fromLatin1(pattern));
    regExp.setMinimal(minimal);
    document.replace(regExp, QString::fromLatin1(with));
  };
  replace("<style type=\"text/css\">.*</style>", true);
  replace("\\s*class=\"\\w+\"", false);
  replace("<a\\s+id=.*</a>", true);
  for (const char* text : {"<p>", "</p>"}) document.remove(QString::fromLatin1(text));
  replace("<meta.*>", true);
  for (const char* text : {"&nbsp;", " width=10%"}) document.remove(QString::fromLatin1(text));
  replace("<span>(.*)</span>", true, "\\1");
  return document;
}

}  // namespace

TEST(HtmlNormaliser, CleansWrittenAndEditorSavedDocuments) {
  const std::string head = "<!DOCTYPE html>    <html>      <head>";
  const std::string table =
      "<title>TADS doc</title>      </head>      <body><h1>start</h1><h2>kitchen</h2>"
      "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody><tr><td>The kettle is "
      "&lt;b&gt;hot&lt;/b&gt; &amp; steaming.</td><td";
  const std::string tableEnd = ">\"/12/0</td></tr></tbody></table>";
  // Both the normaliser and the reference must give each expected text.
  const std::vector<std::pair<std::string, std::string>> cases = {
      // The written worked example, and a row as an editor saves it.
      {head + "        <meta charset=\"utf-8\">        " + table + " width=10%" + tableEnd +
           "<p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p></body></html>",
       head + std::string(16, ' ') + table + tableEnd + "</body></html>"},
      {"<tr class=\"r1\"><td class=\"c1\"><p class=\"c2\"><span>The kettle is "
       "&lt;b&gt;hot&lt;/b&gt;."
       "</span></p></td><td class=\"c1\" width=10%>\"/12/0</td></tr>",
       "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt;.</td><td>\"/12/0</td></tr>"},
      // Style blocks of that exact opening tag, up to the first end tag.
      {"a<style type=\"text/css\">p\n</style>b</style><style>c</style>",
       "ab</style><style>c</style>"},
      // Class attributes of word characters only, with the white space before.
      {"<div \n class=\"c_1\">x<i class=\"Я\"><i class=\"a b\"><i class=\"\"><i class=x>",
       "<div>x<i><i class=\"a b\"><i class=\"\"><i class=x>"},
      // Anchors that begin with an id, up to the first </a>.
      {"x<a \n id=t2>link</a>y</a><a href=\"u\">k</a><a>id=</a>",
       "xy</a><a href=\"u\">k</a><a>id=</a>"},
      // Bare paragraph tags with case; meta tags up to the first ">".
      {"<p>a</p><P>b</P><p style=\"s\">c</p>", "a<P>b</P><p style=\"s\">c"},
      {"<meta charset=\"utf-8\"><meta name=\"a\" />z<META x>", "z<META x>"},
      // Entities and widths vanish wherever they stand, the blank included.
      {"red&nbsp;ball &nbsp<td>x width=10%</td><td width=10%%><td width=20%>width=10%",
       "redball &nbsp<td>x</td><td%><td width=20%>width=10%"},
      // Plain spans become their content up to the first </span>, in one
      // pass: a nested pair keeps one pair of tags.
      {"<span>a</span>-<span>b\nc</span><SPAN>d</SPAN><span lang=\"ru\">e</span><span>f",
       "a-b\nc<SPAN>d</SPAN><span lang=\"ru\">e</span><span>f"},
      {"<span><span>a</span></span>", "<span>a</span>"},
      {"", ""},
  };
  for (const auto& c : cases) {
    const QString document = QString::fromStdString(c.first);
    EXPECT_EQ(htmlFormatter.preprocess(document).toStdString(), c.second) << c.first;
    EXPECT_EQ(normaliseWithRegExps(document).toStdString(), c.second) << c.first;
  }
}

TEST(HtmlNormaliser, AgreesWithTheRegularExpressionsOnGeneratedDocuments) {
  const QStringList pieces =
      QString::fromUtf8(
          "<style type=\"text/css\">|</style>| |\n|class=\"|c1|\"|<a| id=|id=|</a>|"
          "<p>|</p>|<meta|<span>|</span>|&nbsp;| width=10%|<|>|Я|-")
          .split(QLatin1Char('|'));
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
