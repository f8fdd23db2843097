#include "scan/literal_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Escaped quotes in both kinds, empty literals in one numbering across both
// kinds, markup, lines without quotes and lines that end inside a literal
// or a comment's apostrophe are held by the get-mode golden cases.
TEST(LiteralScanner, ExtractsTheLiteralsOfOneLine) {
  // Entries as "text"@line.literal or 'text'@line.literal; "!" stands for the
  // multi-line warning and no entries.
  const std::vector<std::pair<const char*, const char*>> cases = {
      // Escaped quotes, both markers, in both quote kinds.
      {R"(d = 'say \"hi\"';)", R"('say \"hi\"'@7.0 )"},
      {R"(d = "a\"b\'c"; e = 'a\"b\'c';)", R"("a&quot;b&apos;c"@7.0 'a\"b\'c'@7.1 )"},
      // The other quote kind inside a literal is plain text.
      {R"(d = "it's";)", R"("it's"@7.0 )"},
      {R"(d = 'a "b" c';)", R"('a "b" c'@7.0 )"},
      // Other backslash sequences and embedded expressions stay as written.
      {R"(d = "a\nb <<o.n>>";)", R"("a\nb <<o.n>>"@7.0 )"},
      // An escaped backslash escapes the quote: the line ends inside a
      // literal and gives nothing.
      {R"(d = "ends in \\";)", "!"},
  };
  for (const auto& c : cases) {
    QStringList warnings;
    QString out;
    for (const LineEntry& e : extractLineLiterals(QString::fromUtf8(c.first), 7, warnings)) {
      const QChar quote = e.doubleQuoted ? QLatin1Char('"') : QLatin1Char('\'');
      out +=
          quote + e.text + quote + QStringLiteral("@%1.%2 ").arg(e.lineIndex).arg(e.literalIndex);
    }
    const bool warns = c.second == std::string("!");
    EXPECT_EQ(out.toStdString(), warns ? "" : c.second) << c.first;
    EXPECT_EQ(warnings.join('\n').toStdString(),
              warns ? "Warning! May be miltiline string found at line:  7 . Ignore " : "")
        << c.first;
  }
}
