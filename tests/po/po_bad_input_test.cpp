#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "po/po_catalog.h"
#include "po_test_support.h"

using namespace potest;

namespace {

const char kGame[] =
    "#charset \"latin1\"\n"
    "lamp: Thing 'lamp'\n"
    "    desc = \"You see <<lamp.name>> here. \"\n"
    "    mood = \"<<if lit>>Bright.<<else>>Dark.<<end>>\"\n"
    "    end = \"The end. \"\n"
    "    kind = \"An oil lamp. \"\n"
    "    sign = \"A sign. \"\n"
    ";\n";

PoEntry translation(const char* msgid, const char* msgstr) {
  PoEntry entry;
  entry.msgid = QString::fromUtf8(msgid);
  entry.msgstr = QString::fromUtf8(msgstr);
  return entry;
}

struct Project {
  QTemporaryDir work;
  QString root = work.filePath(QStringLiteral("game"));
  QString po = work.filePath(QStringLiteral("ru.po"));
  QString copy = work.filePath(QStringLiteral("copy"));

  Project() {
    writeFile(root + QStringLiteral("/game.t"), kGame);
    QString error;
    writePoFile(po, templateHeader(),
                {translation("You see <<lamp.name>> here. ", "Ici."),
                 translation("<<if lit>>Bright.<<else>>Dark.<<end>>", "<<else>>Sombre.<<if lit>>Clair.<<end>>"),
                 translation("The end. ", "La fin.\\"),
                 translation("An oil lamp. ", "Масляная лампа. "),
                 translation("A sign. ", "Une \"enseigne\". ")},
                error);
  }
  ProcessRun apply(const QStringList& more = {}) {
    return runPo(QStringList{"apply", "--root-dir=" + root, "--po=" + po, "--res-dir=" + copy} + more);
  }
};

TEST(PoBadInput, RefusedTranslationsAreListedAndTheCopyIsWhole) {
  Project project;
  const ProcessRun run = project.apply();
  EXPECT_EQ(run.exitCode, 1) << shown(run);
  const QString errors = QString::fromUtf8(run.standardError);
  for (const char* refused : {"game.t:3: translation refused: the embedded expression <<lamp.name>>",
                              "game.t:4: translation refused: the control forms",
                              "game.t:5: translation refused: the translation ends in a lone backslash",
                              "game.t:6: translation refused: the file's character set latin1"}) {
    EXPECT_TRUE(errors.contains(QString::fromUtf8(refused))) << refused << '\n' << shown(run);
  }
  QByteArray expected(kGame);
  expected.replace("\"A sign. \"", "\"Une \\\"enseigne\\\". \"");
  EXPECT_EQ(readFile(project.copy + QStringLiteral("/game.t")), expected);
}

TEST(PoBadInput, ToUtf8CarriesWhatTheCharsetCannotHold) {
  Project project;
  const ProcessRun run = project.apply({QStringLiteral("--to-charset=utf-8")});
  EXPECT_EQ(run.exitCode, 1) << shown(run);
  const QString copied = QString::fromUtf8(readFile(project.copy + QStringLiteral("/game.t")));
  EXPECT_TRUE(copied.startsWith(QLatin1String("#charset \"utf-8\"\n"))) << copied.toStdString();
  EXPECT_TRUE(copied.contains(QStringLiteral("kind = \"Масляная лампа. \""))) << copied.toStdString();
}

TEST(PoBadInput, APoFileThatDoesNotParseStopsWithGettextsMessage) {
  Project project;
  writeFile(project.po, "msgid \"a\"\nmsgstr \"b\"\n\nmsgid \"c\nmsgstr \"d\"\n");
  const ProcessRun run = project.apply();
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.standardError.contains(":5: end-of-line within string")) << shown(run);
  EXPECT_FALSE(QFileInfo::exists(project.copy));
}

TEST(PoBadInput, UnreadableSourcesAreCopiedUnchangedAndReported) {
  Project project;
  static const char kBinary[] = "lamp: Thing\0\x01\x02 \"An oil lamp. \"";
  const QByteArray binary(kBinary, sizeof kBinary - 1);
  const QByteArray open("lamp2: Thing\n    desc = \"An oil lamp. \n;\n");
  writeFile(project.root + QStringLiteral("/data.t"), binary);
  writeFile(project.root + QStringLiteral("/open.t"), open);
  const ProcessRun run = project.apply({QStringLiteral("--to-charset=utf-8")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.standardError.contains("data.t: is not text")) << shown(run);
  EXPECT_TRUE(run.standardError.contains("open.t:2: ")) << shown(run);
  EXPECT_EQ(readFile(project.copy + QStringLiteral("/data.t")), binary);
  EXPECT_EQ(readFile(project.copy + QStringLiteral("/open.t")), open);
}

TEST(PoBadInput, NothingIsWrittenIntoTheProjectOrOverAResult) {
  Project project;
  const QMap<QString, QByteArray> before = readTree(project.root);
  struct Refused {
    QStringList arguments;
    int exitCode;
    const char* message;
  };
  const QString inside = project.root + QStringLiteral("/translated");
  writeFile(project.work.filePath(QStringLiteral("full/keep.txt")), "x");
  const QVector<Refused> cases = {
      {{"apply", "--root-dir=" + project.root, "--po=" + project.po, "--res-dir=" + inside}, 2,
       "lies inside the project"},
      {{"apply", "--root-dir=" + project.root, "--po=" + project.po,
        "--res-dir=" + project.work.filePath(QStringLiteral("full"))},
       2, "exists and is not empty"},
      {{"extract", "--root-dir=" + project.root, "-o", "/dev/full"}, 1, "/dev/full: cannot write"},
      {{"extract", "--root-dir=" + project.root}, 2, "--o is required"},
      {{"apply", "--root-dir=" + project.root, "--po=" + project.po, "--res-dir=x", "--to-charset=koi8-r"},
       2, "--to-charset must be 'utf-8'"},
      {{"translate"}, 2, "unknown command 'translate'"},
      {{"extract", "--root-dir=" + project.root, "--from-charset=klingon", "-o", project.po}, 2,
       "unknown character set 'klingon'"},
      {{"apply", "--root-dir=" + project.root, "--po=" + project.po, "--res-dir"}, 2, "Missing value"},
  };
  for (const Refused& c : cases) {
    const ProcessRun run = runPo(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.message << '\n' << shown(run);
    EXPECT_TRUE(run.standardError.contains(c.message)) << shown(run);
  }
  EXPECT_TRUE(readTree(project.root) == before);
  EXPECT_EQ(readTree(project.work.filePath(QStringLiteral("full"))).size(), 1);
}

}  // namespace
