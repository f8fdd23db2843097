#include "check/preflight_report.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextCodec>
#include <algorithm>

#include "check/check_run.h"
#include "check/check_test_support.h"
#include "check/clean_writer.h"

namespace {

using checktest::fixture;
using checktest::readFile;

QString findingsOf(const CheckResult& result) {
  return renderFindings(result.report.content + result.report.reading);
}

CheckResult checkFixture(const QString& project, const QString& document, DocumentFormat format) {
  return checkDocument(readFile(fixture(document)), format,
                       walkProject(fixture(project), QStringList()));
}

TEST(PreflightReport, ItsCleanDocumentLosesNothingInTheReading) {
  const CheckResult result =
      checkFixture("problems/game", "problems/every_problem.html", DocumentFormat::Html);
  const CheckResult clean =
      checkDocument(writeCleanDocument(result.meant, DocumentFormat::Html), DocumentFormat::Html,
                    walkProject(fixture("problems/game"), QStringList()));
  EXPECT_EQ(QString(), renderFindings(clean.report.reading));
  // Everything but the row without a readable position, which it leaves out.
  Findings kept = result.report.content;
  kept.erase(std::remove_if(kept.begin(), kept.end(),
                            [](const Finding& f) { return f.where.startsWith("document line"); }),
             kept.end());
  EXPECT_EQ(renderFindings(kept), renderFindings(clean.report.content));
}

TEST(PreflightReport, FindsNothingInDocumentsNewModeReadsAsMeant) {
  const struct {
    const char* document;
    DocumentFormat format;
  } cases[] = {{"corrected.html", DocumentFormat::Html}, {"corrected.csv", DocumentFormat::Csv}};
  for (const auto& c : cases) {
    const CheckResult result = checkFixture("game", c.document, c.format);
    EXPECT_EQ(QString(), findingsOf(result)) << c.document;
    EXPECT_EQ(QString::fromUtf8(readFile(fixture("progress.txt"))),
              renderProgress(result.report.progress))
        << c.document;
  }
}

// Small documents against a two-file project, one reading problem each.
struct ReadingCase {
  const char* name;
  DocumentFormat format;
  const char* document;  ///< UTF-8 here; code page 1251 for CSV
  const char* expected;
};

void PrintTo(const ReadingCase& c, std::ostream* out) { *out << c.name; }

const char kCsvTail[] = "FILE;b\nCHUNK;bee: Thing\nLINE;\"bee\";0;1;0\nEND CHUNK\n";
const char kHtmlTail[] =
    "<h1>b</h1><h2>bee: Thing</h2><table><tr><td>bee</td><td>'/1/0</td></tr>"
    "</table></body></html>";

const ReadingCase kReadingCases[] = {
    {"CsvDoubledQuotes", DocumentFormat::Csv,
     "FILE;a;;;\nCHUNK;obj: Thing;;;\nLINE;\"Say \"\"hi\"\"\";0;1;0\nLINE;Beta;0;1;1\n"
     "LINE;Gamma;1;2;0\nEND CHUNK;;;;\n",
     "a.t line 1 literal 0: new mode would write \"Say \"\"hi\"\"\" where the document means "
     "\"Say \"hi\"\": the double quotes of its text are doubled\n"},
    {"CsvEmptyLaterText", DocumentFormat::Csv,
     "FILE;a;;;\nCHUNK;obj: Thing;;;\nLINE;Alpha;0;1;0\nLINE;;0;1;1\nLINE;Gamma;1;2;0\n"
     "END CHUNK;;;;\n",
     "a.t line 1 literal 1: dropped by new mode: its text is empty\n"},
    {"CsvEveryTextCellQuoted", DocumentFormat::Csv,
     "\"FILE\";\"a\";;;\n\"CHUNK\";\"obj: Thing\";;;\n\"LINE\";\"Alpha\";0;1;0\n"
     "\"LINE\";\"Beta\";0;1;1\n\"LINE\";\"Gamma\";1;2;0\n\"END CHUNK\";;;;\n",
     "a.t: new mode does not find the section \"a\", so it stops here (\"Error: no such "
     "file\") and leaves it out of the copy, with b.t\n"},
    {"CsvLoneQuote", DocumentFormat::Csv,
     "FILE;a\nCHUNK;obj: Thing\nLINE;\"Alpha\";0;1;0\nLINE;\"Beta\";0;1;1\n"
     "LINE;\"Gamma;1;2;0\nEND CHUNK\n",
     "a.t line 2 literal 0: the text holds the literal's own quote character (\"), which would "
     "end the literal early\n"
     "a.t: new mode does not find the section \"a\" (it reads no section at all), so it stops "
     "here (\"Error: no such file\") and leaves it out of the copy, with b.t\n"
     "document: new mode reads nothing of the document: Cannot preparse complex line:  "
     "\"LINE;\"Gamma;1;2;0\"\n"},
    {"HtmlMarkupInACell", DocumentFormat::Html,
     "<html><body><h1>a</h1><h2>obj: Thing</h2><table><tr><td>Alpha</td><td>'/1/0</td></tr><tr>"
     "<td><b>Beta"
     "</b></td><td>'/1/1</td></tr><tr><td>Gamma!</td><td>\"/2/0</td></tr></table>",
     "a.t line 1 literal 1: dropped by new mode: the text cell holds markup (<b>)\n"
     "a.t line 2 literal 0: dropped by new mode, which stops reading before it\n"
     "b.t: new mode does not find the section \"b\", so it stops here (\"Error: no such file\") "
     "and leaves it out of the copy\n"
     "document: new mode stops reading where the text cell of row 1/1 of \"a\" holds markup "
     "(<b>)\n"},
    {"HtmlHeadingWithLayout", DocumentFormat::Html,
     "<html><body><h1>\na</h1><h2>obj: Thing</h2><table><tr><td>Alpha</td><td>'/1/0</td></tr><tr>"
     "<td>Beta</td><td>'/1/1</td></tr></table>",
     "a.t: new mode does not find the section \"a\" (it reads the heading as \"\\na\"), so it "
     "stops here (\"Error: no such file\") and leaves it out of the copy, with b.t\n"},
    {"HtmlRowsInAnotherOrder", DocumentFormat::Html,
     "<html><body><h1>a</h1><h2>obj: "
     "Thing</h2><table><tr><td>Beta!</td><td>'/1/1</td></tr><tr><td>Alpha!"
     "</td><td>'/1/0</td></tr></table>",
     "a.t line 1 literal 1: no row for this literal follows the line's row 0, so the placeholder "
     "\"\\\\1 \" would stay in the code\n"},
};

class PreflightReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(PreflightReading, ExplainsWhatNewModeWouldLose) {
  QTemporaryDir project;
  checktest::writeTree(project.path(),
                       {{"a.t", "obj: Thing\n    one = 'Alpha', 'Beta'\n    two = \"Gamma\"\n;\n"},
                        {"b.t", "bee: Thing\n    name = 'bee'\n;\n"}});
  const ReadingCase& c = GetParam();
  QByteArray document =
      QByteArray(c.document) + (c.format == DocumentFormat::Csv ? kCsvTail : kHtmlTail);
  if (c.format == DocumentFormat::Csv) {
    document = QTextCodec::codecForName("CP1251")->fromUnicode(QString::fromUtf8(document));
  }
  const CheckResult result =
      checkDocument(document, c.format, walkProject(project.path(), QStringList()));
  EXPECT_EQ(QString::fromUtf8(c.expected), findingsOf(result));
}

INSTANTIATE_TEST_SUITE_P(Cases, PreflightReading, testing::ValuesIn(kReadingCases),
                         [](const testing::TestParamInfo<ReadingCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
