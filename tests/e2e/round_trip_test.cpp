// Get mode followed by new mode with the untouched document gives back every
// source file with only its line ends changed (LF -> CR LF; CR LF stays).
// The generated project leaves out, on purpose, what the tool itself changes
// on the way: an escaped quote in double quotes (it comes back as its
// entity); in CSV an empty literal (it has no row, so a placeholder stays, or
// the whole line when it is row 0) and a text between double quotes (it loses
// both); text an HTML normalisation step still matches once the writer has
// escaped &, < and > (" width=10%", class="x"; "&nbsp;" and "<p>" survive);
// two files of one base name (both are patched from the first one's rows).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextCodec>
#include <random>
#include <string>

#include "e2e/e2e_support.h"

namespace {

using testfiles::readTree;
using testfiles::Tree;
using testfiles::writeFile;

const QStringList kWords{"kettle", "Lamp", "north", "чайник", "Лампа", "дверь", "Ёж", "x1"};
// Between a text's first and last word: markup and entities the writers
// escape, separators, TADS escapes, and quotes that do not end the literal.
const QStringList kPieces{"&",  "<b>hot</b>", "a;b",       "&nbsp;", "<p>", "&lt;",
                          "%1", "\\n",        "<<score>>", "kettle", "Ёж"};
const QStringList kInSingleQuotes{"\\'q\\'", "\\\"q\\\"", "say \"hi\""};

// Seeded, so a failure always shows the same project.
class SourceGenerator {
 public:
  explicit SourceGenerator(bool emptyLiterals) : emptyLiterals_(emptyLiterals) {}

  QString file() {
    QString text = below(3) ? "" : "#include \"adv.t\"\n";
    for (int chunk = below(4); chunk >= 0; --chunk) {
      const QString name = pick(kWords) + QString::number(below(100));
      text += pick({"%1: Room\n", "%1 : function arg\n", "modify %1\n", "\treplace %1\n",
                    "%1:Комната\n"})
                  .arg(name);
      for (int line = below(5); line >= 0; --line) text += bodyLine() + '\n';
      text += ";\n";
    }
    if (below(4) == 0) text.chop(1);
    return text;
  }

 private:
  int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  QString pick(const QStringList& choices) { return choices[below(choices.size())]; }

  QString literal() {
    const QString quote = below(2) ? "'" : "\"";
    QString text;
    if (!emptyLiterals_ || below(8)) {
      text = pick(kWords);
      for (int i = below(4); i > 0; --i) {
        if (below(3)) {
          text += ' ' + pick(kPieces);
        } else {
          text += ' ' + (quote == "'" ? pick(kInSingleQuotes) : QString("it's"));
        }
      }
      text += ' ' + pick(kWords);
    }
    return quote + text + quote;
  }

  QString bodyLine() {
    const int kind = below(6);
    if (kind < 2) return kind ? "  isLit = true" : "";
    QString line = "  " + pick(kWords) + " = " + literal();
    const QString separator = pick({" ", ", "});
    for (int i = below(below(5) == 0 ? 12 : 3); i > 0; --i) line += separator + literal();
    return line;
  }

  std::mt19937 random_{20240611u};
  bool emptyLiterals_;
};

class RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, UntouchedDocumentGivesSourcesBackWithCrLfLineEnds) {
  const QString format = QString::fromStdString(GetParam());
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  // Three levels of folders, unique base names, some files with CR LF line ends.
  SourceGenerator generator(format == "html");
  const QStringList folders{"", "rooms/", "rooms/upper/", "Objects/"};
  Tree sources;
  for (int i = 0; i < 36; ++i) {
    const QString path =
        folders[i % 4] + QString("f%1.").arg(i, 2, 10, QChar('0')) + (i % 7 == 3 ? "T" : "t");
    QString text = generator.file();
    if (i % 5 == 0) text.replace("\n", "\r\n");
    sources.insert(path, QTextCodec::codecForName("CP1251")->fromUnicode(text));
    ASSERT_TRUE(writeFile(temp.path() + "/game/" + path, sources[path]));
  }

  for (const QStringList& args :
       {e2e::getArgs(format, "doc." + format), e2e::newArgs(format, "doc." + format, "out")}) {
    const ProcessRun run = e2e::runTool(args, temp.path());
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(0, run.exitCode) << run.standardError.toStdString();
    EXPECT_FALSE(run.standardError.contains("Warning") || run.standardError.contains("Error"))
        << run.standardError.toStdString();
  }
  Tree copies = readTree(temp.path() + "/out");
  for (auto it = sources.cbegin(); it != sources.cend(); ++it)
    EXPECT_EQ(e2e::withCrLf(it.value()).toStdString(), copies.take(it.key()).toStdString())
        << it.key().toStdString();
  for (const QString& path : copies.keys())
    EXPECT_TRUE(path.endsWith('/')) << "not a source: " << path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::Values("html", "csv"), testfiles::caseName);

}  // namespace
