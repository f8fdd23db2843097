// The round trips through a real office suite: a corrected document re-saved
// by its word processor (HTML) and its spreadsheet (CSV, code page 1251, ";",
// plain and with every text cell quoted), cleaned by brisvane-check and read
// by new mode, must give the copy that the corrected document itself gives
// once cleaned (which writes the source's escapes for get mode's entities).
// Skipped where the suite is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "check/check_test_support.h"

namespace {

using checktest::fixture;
using checktest::treeText;
using testfiles::readFile;

struct Conversion {
  const char* name;
  const char* format;  ///< of the document it starts from and ends in
  const char* inputFilter;
  const char* outputFilter;
};

const Conversion kConversions[] = {
    {"writer", "html", "HTML (StarWriter)", "html:HTML (StarWriter)"},
    {"calc", "csv", "CSV:59,34,34,1,1/1/2/2/3/1/4/1/5/1",
     "csv:Text - txt - csv (StarCalc):59,34,34,1,,0,false,true,false,false"},
    {"calc_quote_all", "csv", "CSV:59,34,34,1,1/1/2/2/3/1/4/1/5/1",
     "csv:Text - txt - csv (StarCalc):59,34,34,1,,0,true,true,false,false"},
};

void PrintTo(const Conversion& conversion, std::ostream* os) { *os << conversion.name; }

class OfficeTest : public testing::TestWithParam<Conversion> {
 protected:
  void SetUp() override {
    if (office_.isEmpty()) {
      GTEST_SKIP() << "LibreOffice not installed (apt-get install libreoffice-writer-nogui "
                      "libreoffice-calc-nogui): the round trips through it are not tested";
    }
  }

  // Re-saves `document` through the suite into `work`/saved; the saved
  // document's path, empty (and a failure) when there is none.
  QString resave(const QString& document, const QString& work) {
    const ProcessRun run = runProcess(
        office_,
        {"-env:UserInstallation=file://" + profile_.path(), "--headless",
         "--infilter=" + QString::fromLatin1(GetParam().inputFilter), "--convert-to",
         QString::fromLatin1(GetParam().outputFilter), "--outdir", work + "/saved", document},
        work, 300000);
    const QString saved = work + "/saved/" + QFileInfo(document).fileName();
    if (run.finished && QFileInfo::exists(saved)) return saved;
    ADD_FAILURE() << run.standardError.constData();
    return QString();
  }

 private:
  const QString office_ = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  QTemporaryDir profile_;  // one for the test's conversions: the suite makes it on first use
};

class OfficeRoundTrip : public OfficeTest {};

TEST_P(OfficeRoundTrip, DeliversEveryCorrectionOfTheDemoAndTheFixture) {
  const QString format = QString::fromLatin1(GetParam().format);
  const QString examples = QStringLiteral(BRISVANE_EXAMPLES);
  const struct {
    QString root, document, ignore;
  } projects[] = {{examples + "/game", examples + "/corrected/demo." + format, "--ignore=stdlib"},
                  {fixture("game"), fixture("corrected." + format), "--ignore="}};
  for (const auto& project : projects) {
    SCOPED_TRACE(project.document.toStdString());
    QTemporaryDir work;
    const auto run = [&](const QString& program, QStringList arguments) {
      arguments << "--root-dir=" + project.root << "--format=" + format << project.ignore;
      return runProcess(program, arguments, work.path());
    };
    const auto newMode = [&](const QString& document, const QString& copy) {
      return run(BRISVANE_EXE, {"--mode=new", "--in-doc=" + document, "--res-dir=" + copy});
    };
    const QString reference = work.filePath("reference." + format);
    run(BRISVANE_CHECK_EXE, {"--in-doc=" + project.document, "--write-clean=" + reference});
    ASSERT_TRUE(newMode(reference, work.filePath("reference")).finished);
    const QString saved = resave(project.document, work.path());
    ASSERT_FALSE(saved.isEmpty());
    const QString clean = work.filePath("clean." + format);
    const auto check = run(BRISVANE_CHECK_EXE, {"--in-doc=" + saved, "--write-clean=" + clean});
    EXPECT_EQ(0, check.exitCode) << check.standardOutput.constData();
    ASSERT_TRUE(newMode(clean, work.filePath("copy")).finished);
    EXPECT_FALSE(treeText(work.filePath("reference")).empty());
    EXPECT_EQ(treeText(work.filePath("reference")), treeText(work.filePath("copy")));
  }
}

// Get mode's CSV of a project whose texts hold double quotes, untranslated
// and re-saved by the spreadsheet, which joins some records with others:
// every record it drew into another row is reported, and the clean document
// gives back the source.
class SpreadsheetJoins : public OfficeTest {};

TEST_P(SpreadsheetJoins, EveryJoinedRowIsReportedAndTheCleanDocumentGivesBackTheSource) {
  const QString root = fixture("joins/game");
  QTemporaryDir work;
  const auto run = [&](const QString& program, QStringList arguments) {
    arguments << "--root-dir=" + root << "--format=csv";
    return runProcess(program, arguments, work.path());
  };
  ASSERT_EQ(0,
            run(BRISVANE_EXE, {"--mode=get", "--res-file=" + work.filePath("doc.csv")}).exitCode);
  const QString saved = resave(work.filePath("doc.csv"), work.path());
  ASSERT_FALSE(saved.isEmpty());
  // Each line break inside a quoted field of the saved file is a record the
  // spreadsheet drew into the row.
  int drawnIn = 0;
  bool quoted = false;
  for (const char c : readFile(saved)) {
    if (c == '"') quoted = !quoted;
    drawnIn += quoted && c == '\n';
  }
  EXPECT_GT(drawnIn, 0) << "the spreadsheet joined nothing";
  const auto check =
      run(BRISVANE_CHECK_EXE, {"--in-doc=" + saved, "--write-clean=" + work.filePath("clean.csv")});
  EXPECT_EQ(0, check.exitCode) << check.standardOutput.constData();
  const QString report = QString::fromUtf8(check.standardOutput);
  int listed = 0;
  QRegularExpression joined(
      QStringLiteral("spreadsheet joined this row with the records? before "
                     "it \\(line/literal ([0-9/ ]+)\\)"));
  for (auto match = joined.globalMatch(report); match.hasNext();) {
    listed += match.next().captured(1).split(' ').size();
  }
  EXPECT_EQ(drawnIn, listed) << report.toStdString();
  ASSERT_TRUE(run(BRISVANE_EXE, {"--mode=new", "--in-doc=" + work.filePath("clean.csv"),
                                 "--res-dir=" + work.filePath("copy")})
                  .finished);
  for (const QString& name : QDir(root).entryList({"*.t"})) {
    EXPECT_EQ(readFile(root + "/" + name).toStdString(),
              readFile(work.filePath("copy/" + name)).replace("\r\n", "\n").toStdString())
        << name.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Suite, OfficeRoundTrip, testing::ValuesIn(kConversions),
                         testing::PrintToStringParamName());
INSTANTIATE_TEST_SUITE_P(Calc, SpreadsheetJoins, testing::Values(kConversions[1], kConversions[2]),
                         testing::PrintToStringParamName());

}  // namespace
