#include "scan/literal_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console_capture.h"

TEST(LiteralScanner, ExtractsTheLiteralsOfOneLine) {
  // Entries as "text"@line.literal or 'text'@line.literal; "!" stands for the
  // multi-line warning and no entries.
  const std::vector<std::pair<const char*, const char*>> cases = {
      // Escaped quotes, both markers, in both quote kinds.
      {R"(d = "say \"hi\" now";)", R"("say &quot;hi&quot; now"@7.0 )"},
      {R"(d = "it\'s";)", R"("it&apos;s"@7.0 )"},
      {R"(d = 'it\'s';)", R"('it\'s'@7.0 )"},
      {R"(d = 'say \"hi\"';)", R"('say \"hi\"'@7.0 )"},
      {R"(d = "a\"b\'c"; e = 'a\"b\'c';)", R"("a&quot;b&apos;c"@7.0 'a\"b\'c'@7.1 )"},
      // The other quote kind inside a literal is plain text.
      {R"(d = "it's";)", R"("it's"@7.0 )"},
      {R"(d = 'a "b" c';)", R"('a "b" c'@7.0 )"},
      // Empty literals are counted; both kinds share one numbering.
      {R"(f('a', "", '', "b");)", R"('a'@7.0 ""@7.1 ''@7.2 "b"@7.3 )"},
      // Other backslash sequences, markup, entities and embedded expressions
      // stay as written.
      {R"(d = "a\nb <b>x</b> &amp; <<o.n>>";)", R"("a\nb <b>x</b> &amp; <<o.n>>"@7.0 )"},
      {"no quotes at all", ""},
      // A line that ends inside a literal gives nothing, not even the
      // literals closed before; an escaped backslash escapes the quote.
      {R"(d = "never closed)", "!"},
      {R"(d = "done"; // don't)", "!"},
      {R"(d = 'a' + "b)", "!"},
      {R"(d = "ends in \\";)", "!"},
  };
  for (const auto& c : cases) {
    ConsoleCapture console;
    QString out;
    for (const LineEntry& e : extractLineLiterals(QString::fromUtf8(c.first), 7)) {
      const QChar quote = e.doubleQuoted ? QLatin1Char('"') : QLatin1Char('\'');
      out +=
          quote + e.text + quote + QStringLiteral("@%1.%2 ").arg(e.lineIndex).arg(e.literalIndex);
    }
    const bool warns = c.second == std::string("!");
    EXPECT_EQ(out.toStdString(), warns ? "" : c.second) << c.first;
    EXPECT_EQ(console.text().toStdString(),
              warns ? "Warning! May be miltiline string found at line:  7 . Ignore \n" : "")
        << c.first;
  }
}
