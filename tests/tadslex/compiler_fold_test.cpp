// Folding checked against the compilers: a small program prints each
// multi-line literal with spaces as '_' and line breaks as '|', and the
// lexer's text must read the same. Skipped when the TADS build is absent.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <iterator>

#include "lex_test_support.h"
#include "process_run.h"
#include "tadslex/tads_lexer.h"

namespace {

// Each case: the lines before a `show(...)` call (a pragma or nothing) and
// the literal it prints, as source.
struct FoldCase {
  const char* before;
  const char* literal;
};

const FoldCase kTads3Cases[] = {
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

const FoldCase kTads2Cases[] = {
    {"", "'a  \n       b'"}, {"", "'a\n\n\n       b'"}, {"", "'a\n  \t \n\tb'"},
    {"", "'a\n;\n  b'"},     {"", "'c  \n\n\t\n  d'"},
};

QString visible(QByteArray text) {
  text.replace("\\n", "\n");
  text.replace(' ', '_');
  text.replace('\n', '|');
  return QString::fromUtf8(text);
}

QByteArray programText(const char* header, const FoldCase* cases, int count, const char* footer) {
  QByteArray source = header;
  for (int k = 0; k < count; ++k) {
    if (*cases[k].before) source += QByteArray(cases[k].before) + '\n';
    source += QByteArray("    show(") + cases[k].literal + ");\n";
  }
  return source + footer;
}

// The texts of the `main` (or `init`) literals, as the program prints them.
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

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

TEST(CompilerFold, Tads3PrintsWhatTheLexerReads) {
  const QString home = tadsHome();
  const QString t3make = home + QStringLiteral("/bin/t3make");
  if (home.isEmpty() || !QFile::exists(t3make)) GTEST_SKIP() << "no t3make in ~/.cache/tads";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray source = programText(
      "#charset \"us-ascii\"\n#include <tads.h>\n\n"
      "show(s) { tadsSay('[' + s.findReplace(' ', '_').findReplace('\\n', '|') + ']\\n'); }\n\n"
      "main(args)\n{\n",
      kTads3Cases, int(std::size(kTads3Cases)), "}\n");
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("fold.t")), source));
  const QByteArray project =
      "-FL " + home.toUtf8() + "/lib\n-FI " + home.toUtf8() +
      "/include\n-o fold.t3\n-Fy obj\n-Fo obj\n-FC\n-lib system\n-source fold\n";
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("fold.t3m")), project));
  ProcessRun make = runProcess(
      t3make, {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("fold.t3m")}, dir.path());
  ASSERT_TRUE(make.finished && make.exitCode == 0) << make.standardOutput.toStdString();
  ProcessRun play = runProcess(home + QStringLiteral("/bin/frob"),
                               {QStringLiteral("-i"), QStringLiteral("plain"), QStringLiteral("-p"),
                                QStringLiteral("fold.t3")},
                               dir.path());
  ASSERT_TRUE(play.finished) << play.standardError.toStdString();
  EXPECT_EQ(lexedTexts(source, TadsDialect::Tads3, QStringLiteral("main")),
            printedTexts(play.standardOutput));
  EXPECT_EQ(printedTexts(play.standardOutput).size(), int(std::size(kTads3Cases)));
}

TEST(CompilerFold, Tads2PrintsWhatTheLexerReads) {
  const QString home = tadsHome();
  const QString tadsc = home + QStringLiteral("/bin/tadsc");
  const QString library = home + QStringLiteral("/src/frobtads/tads2/");
  if (home.isEmpty() || !QFile::exists(tadsc) || !QFile::exists(library + QStringLiteral("adv.t")))
    GTEST_SKIP() << "no tadsc and adv.t in ~/.cache/tads";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray source = programText(
      "#include <adv.t>\n#include <std.t>\n"
      "startroom: room sdesc = \"Start\" ;\n"
      "show: function(s)\n{\n    local i, c;\n    say('[');\n"
      "    for (i := 1; i <= length(s); i++)\n    {\n        c := substr(s, i, 1);\n"
      "        if (c = ' ') say('_'); else say(c);\n    }\n    say(']\\n');\n}\n"
      "replace init: function\n{\n",
      kTads2Cases, int(std::size(kTads2Cases)), "    quit();\n}\n");
  ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("fold.t")), source));
  ProcessRun make = runProcess(tadsc,
                               {QStringLiteral("-i"), library, QStringLiteral("-o"),
                                QStringLiteral("fold.gam"), QStringLiteral("fold.t")},
                               dir.path());
  ASSERT_TRUE(make.finished && QFile::exists(dir.filePath(QStringLiteral("fold.gam"))))
      << make.standardOutput.toStdString();
  ProcessRun play = runProcess(home + QStringLiteral("/bin/frob"),
                               {QStringLiteral("-i"), QStringLiteral("plain"), QStringLiteral("-p"),
                                QStringLiteral("fold.gam")},
                               dir.path());
  ASSERT_TRUE(play.finished) << play.standardError.toStdString();
  EXPECT_EQ(lexedTexts(source, TadsDialect::Tads2, QStringLiteral("init")),
            printedTexts(play.standardOutput));
  EXPECT_EQ(printedTexts(play.standardOutput).size(), int(std::size(kTads2Cases)));
}
