#include "tadslex/source_charset.h"

#include <gtest/gtest.h>

#include <vector>

#include "lex_test_support.h"

TEST(SourceCharset, ReadsTheDeclarationAtTheVeryStart) {
  struct Case {
    const char* source;
    const char* name;
    int bomLength;
  };
  const std::vector<Case> cases = {
      {"#charset \"us-ascii\"\n", "us-ascii", 0},
      {"#charset \"UTF8\"\r\nx", "utf-8", 0},
      {"#charset   \t\"Latin1\"", "latin1", 0},
      {"#charset \"iso-8859-1\"", "latin1", 0},
      {"#charset \"windows-1251\"", "cp1251", 0},
      {"#charset \"cp1251\"", "cp1251", 0},
      {"#charset \"asc7dflt\"", "asc7dflt", 0},
      {"\xEF\xBB\xBFx = 1;", "utf-8", 3},
      {"\xEF\xBB\xBF#charset \"utf-8\"\n", "utf-8", 3},
      {"\xFF\xFE#\0", "utf-16le", 2},
      {"\xFE\xFF\0#", "utf-16be", 2},
      // Only as the very first thing: not after a comment, a blank or a line.
      {"// x\n#charset \"latin1\"", "", 0},
      {" #charset \"latin1\"", "", 0},
      {"#charset\t\"latin1\"", "", 0},
      {"#charset \"latin1\n\"", "", 0},
      {"#charset latin1", "", 0},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    SourceCharset charset = detectSourceCharset(QByteArray(c.source));
    EXPECT_EQ(charset.name, QString::fromLatin1(c.name)) << c.source;
    EXPECT_EQ(charset.bomLength, c.bomLength) << c.source;
    EXPECT_EQ(charset.hasBom, c.bomLength > 0) << c.source;
  }
}

TEST(SourceCharset, GivesTheDirectiveSpan) {
  const QByteArray source = "\xEF\xBB\xBF#charset  \"Utf-8\"\nx";
  SourceCharset charset = detectSourceCharset(source);
  EXPECT_EQ(charset.directiveBegin, 3);
  EXPECT_EQ(source.mid(charset.directiveBegin, charset.directiveEnd - charset.directiveBegin),
            "#charset  \"Utf-8\"");
  EXPECT_EQ(source.mid(charset.nameBegin, charset.nameEnd - charset.nameBegin), "Utf-8");
  SourceCharset none = detectSourceCharset("x = 1;");
  EXPECT_EQ(none.directiveEnd, 0);
  EXPECT_TRUE(none.name.isEmpty());
}
