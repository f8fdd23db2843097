// A TADS 3 and a TADS 2 game with escaped quotes of both kinds in both quote
// kinds, an entity the author wrote, empty literals after the first on a
// line and literals holding only a double quote. The cases tadsN-clean-FMT
// hold, byte for byte, that the clean document of get mode's document gives
// back the source; the cases tadsN-get-mode-FMT hold the copy new mode makes
// of the untouched document. Compiled and played where the TADS compilers
// are built, that copy does not replay the source's transcript: what the
// check reports is damage a player sees.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "check/check_test_support.h"
#include "tads_instrument.h"

namespace {

class TadsRoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(TadsRoundTrip, TheUntouchedDocumentsCopyPlaysOtherwise) {
  const TadsInstrument tads;
  if (!tads.available()) GTEST_SKIP() << TadsInstrument::missing();
  const QString game = QString::fromStdString(GetParam());
  const bool tads3 = game == "tads3";
  const QString source = tads3 ? "start.t" : "game.t";
  QTemporaryDir work;
  int compiled = 0;
  const auto transcript = [&](const QString& folder) {
    const QString image = work.filePath(QString::number(++compiled) + (tads3 ? ".t3" : ".gam"));
    const QString main = folder + "/" + source;
    const QString failure =
        tads3 ? tads.compileTads3(main.chopped(2), image, true) : tads.compileTads2(main, image);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    return tads.play(image, testfiles::readFile(checktest::fixture(game + "/commands")))
        .toStdString();
  };
  const std::string expected = transcript(checktest::fixture(game + "/game"));
  EXPECT_NE(std::string::npos, expected.find("Not worn.")) << expected;
  for (const char* format : {"csv", "html"}) {
    EXPECT_NE(expected, transcript(checktest::fixture(
                            QString("cases/%1-get-mode-%2/expected_out/copy").arg(game, format))))
        << format;
  }
}

INSTANTIATE_TEST_SUITE_P(Games, TadsRoundTrip, testing::Values("tads3", "tads2"),
                         testfiles::caseName);

}  // namespace
