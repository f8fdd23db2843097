#include "formats/html_formatter.h"

#include <gtest/gtest.h>

#include "formats/worked_example.h"

// Empty files and chunks, escaping, UTF-8 and unescaped names are held byte
// for byte by the get-mode golden cases.
TEST(HtmlFormatter, WritesTheWorkedExample) {
  EXPECT_EQ(writtenDocument(0, workedExampleModel()),
            "<!DOCTYPE html>    <html>      <head>        <meta charset=\"utf-8\">        "
            "<title>TADS doc</title>      </head>      <body><h1>start</h1><h2>kitchen</h2>"
            "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>"
            "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt; &amp; steaming.</td>"
            "<td width=10%>\"/12/0</td></tr></tbody></table><p>&nbsp;</p><p>&nbsp;</p><p>&nbsp;</p>"
            "</body></html>");
}
