#include <gtest/gtest.h>

#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "formats/html_formatter.h"
#include "reference_paths.h"

using reference::normaliseWithRegExps;

// The normaliser gives what the nine clean-up steps give as the classic
// expression engine performs them: on listed documents, whose results are
// also given, and on generated ones. A written document is held by the
// written-document reader's test, an editor-saved one by a new-mode golden
// case.
TEST(HtmlNormaliser, CleansDocumentsAsTheRegularExpressionsDo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
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
