#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console_capture.h"
#include "formats/csv_formatter.h"

namespace {

std::string page(const std::string& body) {
  return "<!DOCTYPE html><html><head></head><body>" + body + "</body></html>";
}

std::string convert(const std::string& document) {
  return csvFormatter.preprocess(QString::fromStdString(document)).toStdString();
}

}  // namespace

TEST(CsvConverter, ConvertsRecordsToXhtml) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      // The worked example; empty lines are dropped.
      {"CSV file with TADS Source\nFILE;start\nCHUNK;kitchen\n"
       "LINE;\"The kettle is <b>hot</b> & steaming.\";1;12;0\nEND CHUNK\n\n\n\n",
       page("<h1>start</h1><h2>kitchen</h2><table>"
            "<tr><td>The kettle is &lt;b&gt;hot&lt;/b&gt; &amp; steaming.</td><td>\"/12/0</td></tr>"
            "</table>")},
      {"", page("")},
      // An empty text gives no row, quoted or not.
      {"LINE;\"\";1;2;0\nLINE;;1;2;0", page("")},
      // Without quotes the line is split at every ";": a text without ";"
      // reads normally, one with ";" shifts the fields.
      {"LINE;plain;1;3;0", page("<tr><td>plain</td><td>\"/3/0</td></tr>")},
      {"LINE;a;b;1;3;0", page("<tr><td>a</td><td>'/1/3</td></tr>")},
      // Quoted text runs from the first to the last quote.
      {"LINE;\"a;\"b\";c\";0;4;1", page("<tr><td>a;\"b\";c</td><td>'/4/1</td></tr>")},
      {"LINE;\"\"twice\"\";1;0;0", page("<tr><td>twice</td><td>\"/0/0</td></tr>")},
      {"LINE;\"\"\";1;0;0", page("<tr><td></td><td>\"/0/0</td></tr>")},
      {"LINE;\"&quot;x&quot;\";1;0;0",
       page("<tr><td>&amp;quot;x&amp;quot;</td><td>\"/0/0</td></tr>")},
      // The quote flag: greater than 0 is a double quote.
      {"LINE;\"t\";0;1;0\nLINE;\"t\";-1;1;0\nLINE;\"t\";x;1;0\nLINE;\"t\";2;1;0",
       page("<tr><td>t</td><td>'/1/0</td></tr><tr><td>t</td><td>'/1/0</td></tr>"
            "<tr><td>t</td><td>'/1/0</td></tr><tr><td>t</td><td>\"/1/0</td></tr>")},
      // Position fields are copied as text; fields behind the fifth ignored.
      {"LINE;\"t\";1;a%1;b;extra", page("<tr><td>t</td><td>\"/a%1/b</td></tr>")},
      // Too few fields, or a record that is not recognised.
      {"LINE;\"t\";1;2\nLINEx\nFILE;\nCHUNK\nfile;a\nEND CHUNKS", page("")},
      // Names stop at their first ";" and are not escaped.
      {"FILE;a;b\nCHUNK;c&d: e;f\nEND CHUNK;x", page("<h1>a</h1><h2>c&d: e</h2><table></table>")},
      // CR LF documents read like LF ones.
      {"CSV file with TADS Source\r\nFILE;start\r\nCHUNK;kitchen\r\nLINE;\"hot\";1;12;0\r\n"
       "END CHUNK\r\n\r\n\r\n\r\n",
       page("<h1>start</h1><h2>kitchen</h2><table><tr><td>hot</td><td>\"/12/0</td></tr></table>")},
  };
  for (const auto& c : cases) {
    ConsoleCapture console;
    EXPECT_EQ(convert(c.first), c.second) << c.first;
    EXPECT_EQ(console.text().toStdString(), "") << c.first;
  }
}

TEST(CsvConverter, RejectsATextLineWithALoneQuote) {
  for (const char* lineEnd : {"\n", "\r\n"}) {
    ConsoleCapture console;
    EXPECT_EQ(convert(std::string("FILE;a\n") + "LINE;\"open;1;2;0" + lineEnd + "FILE;b\n"), "");
    EXPECT_EQ(console.text().toStdString(),
              "Cannot preparse complex line:  \"LINE;\"open;1;2;0\" \n");
  }
}
