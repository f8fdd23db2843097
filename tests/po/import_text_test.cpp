#include "po/import_text.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* name;
  QString row;
  QString source;
  bool doubleQuoted;
  bool collapsed;
  bool changed;
  QString text;
};

TEST(ImportText, ReadsARowAgainstTheTextGetModeWrites) {
  const Case cases[] = {
      {"same text", "A lamp.", "A lamp.", true, false, false, ""},
      {"new text", "Лампа.", "A lamp.", true, false, true, "Лампа."},
      {"entities become escapes in double quotes", "Он сказал: &quot;да&quot; и &apos;нет&apos;",
       "He said: &quot;yes&quot;", true, false, true, "Он сказал: \\\"да\\\" и \\'нет\\'"},
      {"single quotes keep their escapes", "Боб\\'s &quot;", "Bob\\'s", false, false, true,
       "Боб\\'s &quot;"},
      {"collapsed layout of an unchanged text", "A  lamp,\u00a0lit.", "A lamp, lit. ", true, true,
       false, ""},
      {"collapsed edges come back from the source", "Лампа.", "  A lamp.\\n ", true, true, true,
       "  Лампа. "},
      {"a CSV row keeps its white space as typed", "A  lamp.", "A lamp.", true, false, true,
       "A  lamp."},
      {"an emptied row is a change", "", "A lamp.", true, true, true, ""},
  };
  for (const Case& c : cases) {
    const RowTranslation row = translationFromRow(c.row, c.source, c.doubleQuoted, c.collapsed);
    EXPECT_EQ(c.changed, row.changed) << c.name;
    EXPECT_EQ(c.text, row.text) << c.name;
  }
}

}  // namespace
