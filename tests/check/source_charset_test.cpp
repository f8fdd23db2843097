#include "check/source_charset.h"

#include <gtest/gtest.h>

namespace {

TEST(SourceCharset, ReadsTheMarkOrTheCharsetLineOnlyAtTheVeryStart) {
  const struct {
    const char* bytes;
    const char* name;
    bool mark;
    bool beyondAscii;
  } cases[] = {
      {"#charset \"utf-8\"\nx = '\xD0\x98';", "utf-8", false, true},
      {"\xEF\xBB\xBFx = '\xD0\x98';", "utf-8", true, true},
      {"\xEF\xBB\xBFx = 'I';", "utf-8", true, false},  // the mark alone is not beyond ASCII
      {"\xFF\xFEx\0", "utf-16le", true, false},
      {"#charset \"us-ascii\"\nx = 'I';", "us-ascii", false, false},
      {"// first\n#charset \"utf-8\"\n\xD0\x98", "", false, true},  // the compiler rejects it there
      {"x = '\xC8';", "", false, true},
  };
  for (const auto& c : cases) {
    const SourceCharset charset = sourceCharset(QByteArray(c.bytes));
    EXPECT_EQ(c.name, charset.name.toStdString()) << c.bytes;
    EXPECT_EQ(c.mark, charset.byteOrderMark) << c.bytes;
    EXPECT_EQ(c.beyondAscii, charset.beyondAscii) << c.bytes;
  }
}

TEST(NamesCodePage1251, TakesItsThreeNamesInAnyCase) {
  for (const char* name : {"cp1251", "CP1251", "windows-1251", "Windows-1251", "cp-1251", "CP-1251"}) {
    EXPECT_TRUE(namesCodePage1251(QString::fromLatin1(name))) << name;
  }
  for (const char* name : {"utf-8", "koi8-r", "1251", "cp1252", ""}) {
    EXPECT_FALSE(namesCodePage1251(QString::fromLatin1(name))) << name;
  }
}

}  // namespace
