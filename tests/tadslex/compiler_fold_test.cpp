// Folding checked against the compilers: a small program prints each
// multi-line literal with spaces as '_' and line breaks as '|', and the
// lexer's text must read the same. Skipped when the TADS build is absent.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "lex_test_support.h"
#include "tads_instrument.h"
#include "tadslex/tads_lexer.h"
#include "test_files.h"

namespace {

// Each case: the lines before a `show(...)` call (a pragma or nothing) and
// the literal it prints, as source.
struct FoldCase {
  const char* before;
  const char* literal;
};

const std::vector<FoldCase> kTads3Cases = {
    {"", "'a  \n       b'"},
    {"", "'a\n\n       b'"},
    {"", "'a\n   \t  \n\tb'"},
    {"", "'a\\n\n       b'"},
    {"", "'a\\n \n       b'"},
    {"", "'ab\\\n  cd'"},
    {"", "'''x \"y\"\n      z'''"},
    {"", "'a\r\n   b\r\n  c'"},
    {"#pragma newline_spacing(delete)", "'a \n       b\nc'"},
    {"", "'a\\n\n   b'"},
    {"#pragma newline_spacing(preserve)", "'a \n       b'"},
    {"", "'a\n ;\n'"},
    {"#pragma newline_spacing(collapse)", "'a\n\n\n b'"},
};

const std::vector<FoldCase> kTads2Cases = {
    {"", "'a  \n       b'"}, {"", "'a\n\n\n       b'"}, {"", "'a\n  \t \n\tb'"},
    {"", "'a\n;\n  b'"},     {"", "'c  \n\n\t\n  d'"},
};

QString visible(QByteArray text) {
  text.replace("\\n", "\n");
  text.replace(' ', '_');
  text.replace('\n', '|');
  return QString::fromUtf8(text);
}

// The lexer's texts of the literals in `function`, as the program prints them.
QStringList lexedTexts(const QByteArray& source, TadsDialect dialect, const QString& function) {
  QStringList texts;
  for (const TadsLiteral& lit : lexChecked(source, dialect).literals) {
    if (lit.definition == function) texts << visible(lit.text);
  }
  return texts;
}

QStringList printedTexts(const QByteArray& output) {
  QStringList texts;
  static const QRegularExpression line(QStringLiteral("^\\s*\\[(.*)\\]\\s*$"));
  for (const QString& l : QString::fromUtf8(output).split(QLatin1Char('\n'))) {
    QRegularExpressionMatch m = line.match(l);
    if (m.hasMatch()) texts << m.captured(1);
  }
  return texts;
}

// A program that calls `show` on each case's literal in `function`, between
// `header` and `footer`.
struct FoldProgram {
  const char* name;
  TadsDialect dialect;
  const char* header;
  const char* function;
  std::vector<FoldCase> cases;
  const char* footer;
};

const FoldProgram kPrograms[] = {
    {"Tads3", TadsDialect::Tads3,
     "#charset \"us-ascii\"\n#include <tads.h>\n\n"
     "show(s) { tadsSay('[' + s.findReplace(' ', '_').findReplace('\\n', '|') + ']\\n'); }\n\n"
     "main(args)\n{\n",
     "main", kTads3Cases, "}\n"},
    {"Tads2", TadsDialect::Tads2,
     "#include <adv.t>\n#include <std.t>\n"
     "startroom: room sdesc = \"Start\" ;\n"
     "show: function(s)\n{\n    local i, c;\n    say('[');\n"
     "    for (i := 1; i <= length(s); i++)\n    {\n        c := substr(s, i, 1);\n"
     "        if (c = ' ') say('_'); else say(c);\n    }\n    say(']\\n');\n}\n"
     "replace init: function\n{\n",
     "init", kTads2Cases, "    quit();\n}\n"},
};

class CompilerFold : public testing::TestWithParam<FoldProgram> {};

}  // namespace

TEST_P(CompilerFold, PrintsWhatTheLexerReads) {
  const TadsInstrument tads;
  if (!tads.available()) GTEST_SKIP() << TadsInstrument::missing();
  const FoldProgram& program = GetParam();
  QByteArray source = program.header;
  for (const FoldCase& c : program.cases) {
    if (*c.before) source += QByteArray(c.before) + '\n';
    source += QByteArray("    show(") + c.literal + ");\n";
  }
  source += program.footer;
  QTemporaryDir dir;
  const QString main = dir.filePath(QStringLiteral("fold"));
  ASSERT_TRUE(testfiles::writeFile(main + ".t", source));
  const bool tads3 = program.dialect == TadsDialect::Tads3;
  const QString game = main + (tads3 ? ".t3" : ".gam");
  const QString failure =
      tads3 ? tads.compileTads3(main, game, false) : tads.compileTads2(main + ".t", game);
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  const QStringList printed = printedTexts(tads.play(game, QByteArray()));
  EXPECT_EQ(lexedTexts(source, program.dialect, program.function), printed);
  EXPECT_EQ(printed.size(), int(program.cases.size()));
}

INSTANTIATE_TEST_SUITE_P(Dialects, CompilerFold, testing::ValuesIn(kPrograms),
                         [](const testing::TestParamInfo<FoldProgram>& info) {
                           return std::string(info.param.name);
                         });
