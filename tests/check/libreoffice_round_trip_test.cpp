// The round trips through a real office suite: a corrected document re-saved
// by its word processor (HTML) and its spreadsheet (CSV, code page 1251, ";",
// plain and with every text cell quoted), cleaned by brisvane-check and read
// by new mode, must deliver every correction into the copy. Skipped where the
// suite is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "check/check_test_support.h"

namespace {

using checktest::fixture;
using checktest::readTree;
using checktest::runProgram;

struct Conversion {
  const char* name;
  const char* format;  ///< of the document it starts from and ends in
  const char* inputFilter;
  const char* outputFilter;
};

void PrintTo(const Conversion& c, std::ostream* out) { *out << c.name; }

const Conversion kConversions[] = {
    {"writer", "html", "HTML (StarWriter)", "html:HTML (StarWriter)"},
    {"calc", "csv", "CSV:59,34,34,1,1/1/2/2/3/1/4/1/5/1",
     "csv:Text - txt - csv (StarCalc):59,34,34,1,,0,false,true,false,false"},
    {"calc-quote-all", "csv", "CSV:59,34,34,1,1/1/2/2/3/1/4/1/5/1",
     "csv:Text - txt - csv (StarCalc):59,34,34,1,,0,true,true,false,false"},
};

struct Project {
  const char* name;
  QString root;
  QString documentBase;  ///< the corrected documents without their extension
  QString ignore;
};

// The demo game and this suite's own fixture game.
QList<Project> projects() {
  const QString examples = QStringLiteral(BRISVANE_EXAMPLES);
  return {{"demo", examples + "/game", examples + "/corrected/demo", "stdlib"},
          {"fixture", fixture("game"), fixture("corrected"), QString()}};
}

QStringList withIgnore(QStringList arguments, const Project& project) {
  if (!project.ignore.isEmpty()) arguments << "--ignore=" + project.ignore;
  return arguments;
}

class OfficeRoundTrip : public testing::TestWithParam<Conversion> {};

TEST_P(OfficeRoundTrip, DeliversEveryCorrectionOfTheDemoAndTheFixture) {
  const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (office.isEmpty()) {
    GTEST_SKIP() << "LibreOffice is not installed (apt-get install libreoffice-writer-nogui "
                    "libreoffice-calc-nogui): the round trips through it are not tested";
  }
  const Conversion& conversion = GetParam();
  const QString format = QString::fromLatin1(conversion.format);
  // One profile for the test's conversions: the suite makes it on first use.
  QTemporaryDir profile;
  for (const Project& project : projects()) {
    SCOPED_TRACE(project.name);
    const QString document = project.documentBase + "." + format;
    if (!QFileInfo::exists(document)) {
      ADD_FAILURE() << "missing corrected document " << document.toStdString();
      continue;
    }
    QTemporaryDir work;
    // What new mode makes of the corrected document as it was written.
    const auto reference =
        runProgram(QStringLiteral(BRISVANE_EXE),
                   withIgnore({"--mode=new", "--root-dir=" + project.root, "--format=" + format,
                               "--in-doc=" + document, "--res-dir=" + work.filePath("reference")},
                              project),
                   work.path());
    ASSERT_TRUE(reference.finished);

    const auto resave = runProgram(office,
                                   {"-env:UserInstallation=file://" + profile.path(), "--headless",
                                    "--infilter=" + QString::fromLatin1(conversion.inputFilter),
                                    "--convert-to", QString::fromLatin1(conversion.outputFilter),
                                    "--outdir", work.filePath("saved"), document},
                                   work.path(), 300000);
    const QString saved = work.filePath("saved/" + QFileInfo(document).fileName());
    ASSERT_TRUE(resave.finished && QFileInfo::exists(saved)) << resave.standardError.constData();

    const QString clean = work.filePath("clean." + format);
    const auto check = runProgram(QStringLiteral(BRISVANE_CHECK_EXE),
                                  withIgnore({"--root-dir=" + project.root, "--format=" + format,
                                              "--in-doc=" + saved, "--write-clean=" + clean},
                                             project),
                                  work.path());
    ASSERT_TRUE(check.finished);
    EXPECT_EQ(0, check.exitCode) << check.standardOutput.constData();

    const auto copy =
        runProgram(QStringLiteral(BRISVANE_EXE),
                   withIgnore({"--mode=new", "--root-dir=" + project.root, "--format=" + format,
                               "--in-doc=" + clean, "--res-dir=" + work.filePath("copy")},
                              project),
                   work.path());
    ASSERT_TRUE(copy.finished);
    EXPECT_FALSE(readTree(work.filePath("reference")).isEmpty());
    EXPECT_EQ(readTree(work.filePath("reference")), readTree(work.filePath("copy")));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Suite, OfficeRoundTrip, testing::ValuesIn(kConversions),
    [](const testing::TestParamInfo<Conversion>& info) {
      return QString::fromLatin1(info.param.name).replace('-', '_').toStdString();
    });

}  // namespace
