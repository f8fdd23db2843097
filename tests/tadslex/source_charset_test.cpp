#include "tadslex/source_charset.h"

#include <gtest/gtest.h>

// Each source as "name bytes-of-mark [directive] [name as written]".
TEST(SourceCharset, ReadsTheDeclarationAtTheVeryStart) {
  const std::pair<QByteArray, const char*> cases[] = {
      {"#charset \"us-ascii\"\n", "us-ascii 0 [#charset \"us-ascii\"] [us-ascii]"},
      {"#charset \"UTF8\"\r\nx", "utf-8 0 [#charset \"UTF8\"] [UTF8]"},
      {"#charset   \t\"Latin1\"", "latin1 0 [#charset   \t\"Latin1\"] [Latin1]"},
      {"#charset \"windows-1251\"", "cp1251 0 [#charset \"windows-1251\"] [windows-1251]"},
      {"\xEF\xBB\xBFx = 1;", "utf-8 3 [] []"},
      {"\xEF\xBB\xBF#charset  \"Utf-8\"\nx", "utf-8 3 [#charset  \"Utf-8\"] [Utf-8]"},
      {QByteArray("\xFF\xFE#\0", 4), "utf-16le 2 [] []"},
      {QByteArray("\xFE\xFF\0#", 4), "utf-16be 2 [] []"},
      // Only as the very first thing: not after a comment, a blank or a line.
      {"// x\n#charset \"latin1\"", " 0 [] []"},
      {" #charset \"latin1\"", " 0 [] []"},
      {"#charset\t\"latin1\"", " 0 [] []"},
      {"#charset \"latin1\n\"", " 0 [] []"},
      {"#charset latin1", " 0 [] []"},
      {"", " 0 [] []"},
  };
  for (const auto& c : cases) {
    const SourceCharset charset = detectSourceCharset(c.first);
    const QByteArray read =
        charset.name.toLatin1() + ' ' + QByteArray::number(charset.bomLength) + " [" +
        c.first.mid(charset.directiveBegin, charset.directiveEnd - charset.directiveBegin) + "] [" +
        c.first.mid(charset.nameBegin, charset.nameEnd - charset.nameBegin) + ']';
    EXPECT_EQ(c.second, read.toStdString()) << c.first.toStdString();
    EXPECT_EQ(charset.hasBom, charset.bomLength > 0) << c.first.toStdString();
  }
}
