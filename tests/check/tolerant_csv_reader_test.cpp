#include "check/tolerant_csv_reader.h"

#include <gtest/gtest.h>

#include <QTextCodec>

#include "check/check_test_support.h"

namespace {

QString describe(const TolerantReading& reading) {
  QString text = checktest::dumpModel(reading.model);
  QStringList keys = reading.quirks.keys();
  keys.sort();
  for (const QString& key : keys) {
    text += QStringLiteral("Q %1: %2\n")
                .arg(QString(key).replace('\n', '|'), reading.quirks[key].join("; "));
  }
  for (const auto& note : reading.notes) {
    text += QStringLiteral("N %1: %2\n").arg(note.first).arg(note.second);
  }
  return text;
}

struct CsvCase {
  const char* name;
  const char* csv;  ///< UTF-8 here; stored as code page 1251 unless it starts with a BOM
  const char* expected;
};

void PrintTo(const CsvCase& c, std::ostream* out) { *out << c.name; }

const CsvCase kCases[] = {
    {"GetModeFormKeepsQuotesAndSeparatorsInsideTexts",
     "CSV file with TADS Source\nFILE;start\nCHUNK;c: T\nLINE;\"say \"yes\"; ok\";1;3;0\n"
     "LINE;\"\";0;3;1\nEND CHUNK\n\n\n\n",
     "F start\nC c: T\nR \"/3/0 say \"yes\"; ok\nR '/3/1 \nQ start|3/1: its text is empty\n"},
    {"GetModeFormJoinsATextBrokenOverLines",
     "FILE;start\nCHUNK;c: T\nLINE;\"one\ntwo\";1;3;0\nLINE;\"x\";1;4;0\n",
     "F start\nC c: T\nR \"/3/0 one two\nR \"/4/0 x\nQ start|3/0: its text holds a line break\n"},
    {"SpreadsheetFormWithPaddingDoubledQuotesAndCrLf",
     "CSV file with TADS Source;;;;\r\nFILE;start;;;\r\nCHUNK;\"c; T\";;;\r\n"
     "LINE;\"\"\"say \"\"yes\"\"\"\"\";0;3;0\r\nLINE;plain text;1;4;0\r\nLINE;;0;4;1\r\n"
     "END CHUNK;;;;\r\n;;;;\r\n",
     "F start\nC c; T\nR '/3/0 \"say \"yes\"\"\nR \"/4/0 plain text\nR '/4/1 \n"
     "Q start|3/0: the double quotes of its text are doubled\nQ start|4/1: its text is empty\n"},
    {"SpreadsheetFormQuotingEveryTextCell",
     "\"CSV file with TADS Source\";;;;\r\n\"FILE\";\"start\";;;\r\n\"CHUNK\";\"c: T\";;;\r\n"
     "\"LINE\";\"a \"\"b\"\"\";\"1\";\"3\";\"0\"\r\n\"END CHUNK\";;;;\r\n",
     "F start\nC c: T\nR \"/3/0 a \"b\"\nQ start|3/0: its record name stands in quotes; the double "
     "quotes of its text are doubled; its numbers stand in quotes\n"},
    {"LineBreakInsideAQuotedField",
     "FILE;start;;;\nCHUNK;c: T;;;\nLINE;\"first\r\nsecond\";1;3;0\nLINE;x;1;6;0\n",
     "F start\nC c: T\nR \"/3/0 first second\nR \"/6/0 x\n"
     "Q start|3/0: its text holds a line break\n"},
    {"CommaSeparatorTakenFromTheFirstLineThatHasOne",
     "CSV file with TADS Source\nFILE,start\nCHUNK,c: T\nLINE,\"a; b, c\",1,3,0\n",
     "F start\nC c: T\nR \"/3/0 a; b, c\nQ start|3/0: its fields are separated by \",\", not by "
     "\";\"\n"},
    {"TabSeparatorInUtf8WithByteOrderMark",
     "\xEF\xBB\xBF"
     "CSV file with TADS Source\t\t\t\t\nFILE\tstart\t\t\t\nCHUNK\tc: T\t\t\t\n"
     "LINE\t\xCE\xA9 \xD0\xAF\t1\t3\t0\n",
     "F start\nC c: T\nR \"/3/0 \u03a9 \u042f\nQ start|3/0: its fields are separated by \"\\t\", "
     "not by \";\"\n"},
    {"RowsNoProgramCanApply", "LINE;early;1;1;0;\nFILE;start;;;\nLINE;x;1;one;0\nLINE;y;1;2;0\n",
     "F start\nC \nR \"/2/0 y\nN 1: a LINE record stands before any FILE record\n"
     "N 3: a LINE record's position is not two numbers\n"},
};

class TolerantCsvReader : public testing::TestWithParam<CsvCase> {};

TEST_P(TolerantCsvReader, TakesWhatASpreadsheetMeans) {
  const QByteArray utf8(GetParam().csv);
  const QByteArray bytes =
      utf8.startsWith("\xEF\xBB\xBF")
          ? utf8
          : QTextCodec::codecForName("CP1251")->fromUnicode(QString::fromUtf8(utf8));
  EXPECT_EQ(QString::fromUtf8(GetParam().expected), describe(readTolerantCsv(bytes)));
}

INSTANTIATE_TEST_SUITE_P(Cases, TolerantCsvReader, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CsvCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
