// A TADS 3 and a TADS 2 game with escaped quotes of both kinds in both quote
// kinds, an entity the author wrote, empty literals after the first on a
// line and literals holding only a double quote, taken through get mode, an
// untouched document, brisvane-check --write-clean and new mode: the copy
// must equal the source but for its line ends, and where the TADS compilers
// are built it must compile and replay the source's transcript, which the
// copy made from the untouched document does not.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "check/check_test_support.h"
#include "tads_instrument.h"

namespace {

using checktest::fixture;
using testfiles::readFile;

struct RoundTrip {
  const char* game;    ///< fixture folder with game/ and commands
  const char* source;  ///< the main source file in game/
  const char* format;
};

const RoundTrip kRoundTrips[] = {{"tads3", "start.t", "html"},
                                 {"tads3", "start.t", "csv"},
                                 {"tads2", "game.t", "html"},
                                 {"tads2", "game.t", "csv"}};

class TadsRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(TadsRoundTrip, CleanDocumentGivesBackTheSourceAndItsTranscript) {
  const QString root = fixture(QString::fromLatin1(GetParam().game) + "/game");
  const QString format = QString::fromLatin1(GetParam().format);
  const QString source = QString::fromLatin1(GetParam().source);
  QTemporaryDir work;
  const auto brisvane = [&](const QString& program, QStringList arguments) {
    arguments << "--root-dir=" + root << "--format=" + format;
    return runProcess(program, arguments, work.path());
  };
  const QString document = work.filePath("doc." + format);
  const QString clean = work.filePath("clean." + format);
  ASSERT_EQ(0, brisvane(BRISVANE_EXE, {"--mode=get", "--res-file=" + document}).exitCode);
  EXPECT_EQ(1, brisvane(BRISVANE_CHECK_EXE, {"--in-doc=" + document}).exitCode);
  const auto check =
      brisvane(BRISVANE_CHECK_EXE, {"--in-doc=" + document, "--write-clean=" + clean});
  EXPECT_EQ(0, check.exitCode) << check.standardOutput.constData();
  for (const QString& in : {document, clean}) {
    const QString copy = work.filePath(QFileInfo(in).baseName());
    ASSERT_TRUE(
        brisvane(BRISVANE_EXE, {"--mode=new", "--in-doc=" + in, "--res-dir=" + copy}).finished);
  }
  const QByteArray original = readFile(root + "/" + source);
  EXPECT_EQ(original.toStdString(),
            readFile(work.filePath("clean/" + source)).replace("\r\n", "\n").toStdString());

  const TadsInstrument tads;
  if (!tads.available()) GTEST_SKIP() << TadsInstrument::missing();
  const bool tads3 = QLatin1String(GetParam().game) == QLatin1String("tads3");
  const auto transcript = [&](const QString& folder) {
    const QString game = work.filePath(QFileInfo(folder).fileName() + (tads3 ? ".t3" : ".gam"));
    const QString main = folder + "/" + source;
    const QString failure =
        tads3 ? tads.compileTads3(main.chopped(2), game, true) : tads.compileTads2(main, game);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    return tads.play(game, readFile(fixture(QString::fromLatin1(GetParam().game) + "/commands")))
        .toStdString();
  };
  const std::string expected = transcript(root);
  EXPECT_NE(std::string::npos, expected.find("Not worn.")) << expected;
  EXPECT_EQ(expected, transcript(work.filePath("clean")));
  EXPECT_NE(expected, transcript(work.filePath("doc")));
}

INSTANTIATE_TEST_SUITE_P(Games, TadsRoundTrip, testing::ValuesIn(kRoundTrips),
                         [](const testing::TestParamInfo<RoundTrip>& info) {
                           return std::string(info.param.game) + "_" + info.param.format;
                         });

}  // namespace
