#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/csv_formatter.h"

// Escaping, empty lines and documents, semicolons and quotes inside quoted
// texts and CR LF line ends are held by the new-mode CSV golden cases, whose
// copies would differ; the quote flag never reaches a copy.
TEST(CsvConverter, ConvertsRecordsToXhtml) {
  // Each document, the body of the page it converts to, and the refusal;
  // a refused document converts to an empty result.
  struct Case {
    std::string csv, body, console = "";
  };
  const std::vector<Case> cases = {
      // An empty text gives no row, quoted or not.
      {"LINE;\"\";1;2;0\nLINE;;1;2;0", ""},
      // Without quotes the line is split at every ";": a text without ";"
      // reads normally, one with ";" shifts the fields.
      {"LINE;plain;1;3;0", "<tr><td>plain</td><td>\"/3/0</td></tr>"},
      {"LINE;a;b;1;3;0", "<tr><td>a</td><td>'/1/3</td></tr>"},
      // Quoted text runs from the first to the last quote.
      {"LINE;\"\"\";1;0;0", "<tr><td></td><td>\"/0/0</td></tr>"},
      {"LINE;\"&quot;x&quot;\";1;0;0", "<tr><td>&amp;quot;x&amp;quot;</td><td>\"/0/0</td></tr>"},
      // The quote flag: greater than 0 is a double quote.
      {"LINE;\"t\";0;1;0\nLINE;\"t\";-1;1;0\nLINE;\"t\";x;1;0\nLINE;\"t\";2;1;0",
       "<tr><td>t</td><td>'/1/0</td></tr><tr><td>t</td><td>'/1/0</td></tr>"
       "<tr><td>t</td><td>'/1/0</td></tr><tr><td>t</td><td>\"/1/0</td></tr>"},
      // Position fields are copied as text; fields behind the fifth ignored.
      {"LINE;\"t\";1;a%1;b;extra", "<tr><td>t</td><td>\"/a%1/b</td></tr>"},
      // Too few fields, or a record that is not recognised.
      {"LINE;\"t\";1;2\nLINEx\nFILE;\nCHUNK\nfile;a\nEND CHUNKS", ""},
      // Names stop at their first ";" and are not escaped.
      {"FILE;a;b\nCHUNK;c&d: e;f\nEND CHUNK;x", "<h1>a</h1><h2>c&d: e</h2><table></table>"},
      // A lone quote refuses a CR LF document too.
      {"FILE;a\r\nLINE;\"open;1;2;0\r\nFILE;b\r\n", "",
       "Cannot preparse complex line:  \"LINE;\"open;1;2;0\" "},
  };
  for (const Case& c : cases) {
    const std::string page =
        c.console.empty() ? "<!DOCTYPE html><html><head></head><body>" + c.body + "</body></html>"
                          : "";
    QString refusal;
    EXPECT_EQ(convertCsvToXhtml(QString::fromStdString(c.csv), refusal).toStdString(), page)
        << c.csv;
    EXPECT_EQ(refusal.toStdString(), c.console) << c.csv;
  }
}
