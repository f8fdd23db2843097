#include "check/tads_version.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(TadsDialectDetection, TellsTheVersionFromPreprocessorLinesThenFileNamesElseAssumesTads3) {
  const struct {
    const char* firstLine;  ///< of the one source, "" for none
    const char* otherFile;  ///< a file beside it, "" for none
    std::optional<TadsDialect> option;
    const char* line;
  } cases[] = {
      {"#include <adv3.h>", "", std::nullopt, "Read as TADS 3: \"a.t\" includes <adv3.h>.\n"},
      {"  #include \"adv3Lite.h\"", "", std::nullopt,
       "Read as TADS 3: \"a.t\" includes <adv3Lite.h>.\n"},
      {"#charset \"utf-8\"", "", std::nullopt, "Read as TADS 3: \"a.t\" has a #charset line.\n"},
      {"#include <adv.t>", "", std::nullopt, "Read as TADS 2: \"a.t\" includes <adv.t>.\n"},
      {"#include <std.t>", "game.t3m", std::nullopt,
       "Read as TADS 3: \"lib/game.t3m\" is a TADS 3 project file.\n"},
      {"", "adv.t", std::nullopt, "Read as TADS 2: the project holds \"lib/adv.t\".\n"},
      {"#include <adv.t>", "", TadsDialect::Tads3, "Read as TADS 3 (--tads).\n"},
      {"", "", std::nullopt,
       "Read as TADS 3: nothing in the project names its version, so the check assumes TADS 3 "
       "(--tads=2 for a TADS 2 game).\n"},
  };
  for (const auto& c : cases) {
    QTemporaryDir root;
    if (*c.otherFile) {
      QDir(root.path()).mkdir("lib");
      QFile file(root.filePath(QStringLiteral("lib/") + c.otherFile));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    SourceFolder folder;
    folder.files << ProjectFile{"a.t", "a", {QString::fromLatin1(c.firstLine), "x = 1;"}, {}, {}};
    EXPECT_EQ(c.line,
              describeVersion(detectProjectDialect(root.path(), folder, c.option)).toStdString());
  }
}

}  // namespace
