#include "check/player_view.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tads_instrument.h"
#include "test_files.h"

namespace {

TEST(RestoreEscapes, PutsBackTheEscapesGetModeWroteAsEntitiesAndLeavesTheAuthorsOwn) {
  const struct {
    const char* text;
    const char* markedSource;
    const char* restored;
    const char* entities;
  } cases[] = {
      // Untouched: the source exactly, the author's entity included.
      {"Say &quot;hi&quot;, it&apos;s &quot;me&quot;",
       "Say <DQUOTE>hi<DQUOTE>, it<SQUOTE>s &quot;me&quot;",
       "Say \\\"hi\\\", it\\'s &quot;me&quot;", "&quot; &apos;"},
      // Translated: every entity of a kind the source escapes and never wrote.
      {"Dis &quot;salut&quot;, c&apos;est", "Say <DQUOTE>hi<DQUOTE>, it<SQUOTE>s",
       "Dis \\\"salut\\\", c\\'est", "&quot; &apos;"},
      // Translated, and the source has its own &quot;: those stay ambiguous.
      {"Dis &quot;x&quot; c&apos;est", "<DQUOTE>hi<DQUOTE> it<SQUOTE>s &quot;me&quot;",
       "Dis &quot;x&quot; c\\'est", "&apos;"},
      // An entity the translator wrote where the source escapes nothing.
      {"l&apos;eau", "water <DQUOTE>", "l&apos;eau", ""},
  };
  for (const auto& c : cases) {
    const RestoredEscapes restored =
        restoreEscapes(QString::fromUtf8(c.text), QString::fromUtf8(c.markedSource));
    EXPECT_EQ(c.restored, restored.text.toStdString()) << c.text;
    EXPECT_EQ(c.entities, restored.entities.join(' ').toStdString()) << c.text;
  }
}

// The probe: a game of our own prints each entity, and what the interpreter
// shows must be what printsAsWritten says of it.
TEST(PrintsAsWritten, AgreesWithWhatTheInterpreterPrints) {
  const TadsInstrument tads;
  if (!tads.available()) GTEST_SKIP() << TadsInstrument::missing();
  const QStringList entities = {"&quot;", "&apos;", "&amp;", "&lt;"};
  QString probe;
  for (int i = 0; i < entities.size(); ++i)
    probe += QStringLiteral("[%1%2]").arg(i).arg(entities[i]);
  const auto tads2 = [&probe](const QString& mode) {
    return "#include <adv.t>\n#include <std.t>\nstartroom: room\n    sdesc = \"Probe\"\n"
           "    ldesc = \"" +
           mode + probe + "\"\n;\n";
  };
  const struct {
    const char* name;
    Interpreter interpreter;
    QString source;
  } games[] = {{"probe3",
                {TadsDialect::Tads3, false},
                "#charset \"us-ascii\"\n#include <tads.h>\nmain(args) { \"" + probe + "\\n\"; }\n"},
               {"probe2", {TadsDialect::Tads2, false}, tads2("")},
               {"probe2h", {TadsDialect::Tads2, true}, tads2("\\H+")}};
  QTemporaryDir work;
  for (const auto& game : games) {
    SCOPED_TRACE(game.name);
    const QString source = work.filePath(game.name);
    ASSERT_TRUE(testfiles::writeFile(source + ".t", game.source.toUtf8()));
    const bool tads3 = game.interpreter.dialect == TadsDialect::Tads3;
    const QString gameFile = source + (tads3 ? ".t3" : ".gam");
    const QString failure = tads3 ? tads.compileTads3(source, gameFile, false)
                                  : tads.compileTads2(source + ".t", gameFile);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    const QString printed = QString::fromUtf8(tads.play(gameFile, "look\nquit\ny\n"));
    for (int i = 0; i < entities.size(); ++i) {
      const QString asWritten = QStringLiteral("[%1%2]").arg(i).arg(entities[i]);
      ASSERT_TRUE(printed.contains(QStringLiteral("[%1").arg(i))) << printed.toStdString();
      EXPECT_EQ(printsAsWritten(entities[i], game.interpreter), printed.contains(asWritten))
          << entities[i].toStdString() << " in " << printed.toStdString();
    }
  }
}

}  // namespace
