// Get mode followed by new mode with the untouched document gives back every
// source file with only its line ends changed (LF -> CR LF; CR LF stays).
//
// The generated project avoids, on purpose, the cases in which the tool itself
// changes text on the way:
// - an escaped quote in a double-quoted literal comes back as its entity
//   (&quot; or &apos;);
// - in CSV an empty literal yields no row, which leaves a placeholder in the
//   literal when it is not the first of its line (and a missing row 0 leaves
//   the whole line as it was);
// - in CSV a text that begins and ends with a double quote loses both;
// - text that an HTML normalisation step still matches once the writer has
//   escaped &, < and > is altered: " width=10%" and a class attribute such as
//   class="x" disappear ("&nbsp;" and "<p>" are escaped, so they survive);
// - two source files with the same base name are both patched from the first
//   file's rows.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>
#include <string>

#include "e2e/e2e_support.h"

namespace {

// Seeded, so a failure always shows the same project.
class SourceGenerator {
 public:
  SourceGenerator(unsigned seed, bool emptyLiterals)
      : random_(seed), emptyLiterals_(emptyLiterals) {}

  QString file() {
    QStringList lines;
    if (below(3) == 0) lines << QStringLiteral("#include \"adv.t\"");
    const int chunks = 1 + below(4);
    for (int i = 0; i < chunks; ++i) {
      lines << header();
      const int body = 1 + below(5);
      for (int j = 0; j < body; ++j) lines << bodyLine();
      lines << QStringLiteral(";");
    }
    QString text = lines.join(QLatin1Char('\n'));
    if (below(4) != 0) text += QLatin1Char('\n');
    return text;
  }

 private:
  int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  QString pick(const QStringList& choices) { return choices[below(choices.size())]; }

  QString word() {
    return pick({QStringLiteral("kettle"), QStringLiteral("Lamp"), QStringLiteral("north"),
                 QStringLiteral("чайник"), QStringLiteral("Лампа"), QStringLiteral("дверь"),
                 QStringLiteral("Ёж"), QStringLiteral("x1")});
  }

  QString header() {
    const QString name = word() + QString::number(below(100));
    switch (below(5)) {
      case 0:
        return name + QStringLiteral(": Room");
      case 1:
        return name + QStringLiteral(" : function arg");
      case 2:
        return QStringLiteral("modify ") + name;
      case 3:
        return QStringLiteral("\treplace ") + name;
      default:
        return name + QStringLiteral(":Комната");
    }
  }

  // Pieces between the first and last word of a text: markup and entities
  // the writers escape, separators, TADS escapes and quotes that do not end
  // the literal.
  QString piece(bool doubleQuoted) {
    const QString shared =
        pick({word(), QStringLiteral("&"), QStringLiteral("<b>hot</b>"), QStringLiteral("a;b"),
              QStringLiteral("&nbsp;"), QStringLiteral("<p>"), QStringLiteral("&lt;"),
              QStringLiteral("%1"), QStringLiteral("\\n"), QStringLiteral("<<score>>")});
    if (below(3) != 0) return shared;
    if (doubleQuoted) return QStringLiteral("it's");
    return pick(
        {QStringLiteral("\\'q\\'"), QStringLiteral("\\\"q\\\""), QStringLiteral("say \"hi\"")});
  }

  QString literal() {
    const bool doubleQuoted = below(2) == 0;
    const QChar quote = QLatin1Char(doubleQuoted ? '"' : '\'');
    QString text;
    if (!emptyLiterals_ || below(8) != 0) {
      QStringList pieces{word()};
      const int middle = below(4);
      for (int i = 0; i < middle; ++i) pieces << piece(doubleQuoted);
      pieces << word();
      text = pieces.join(QLatin1Char(' '));
    }
    return quote + text + quote;
  }

  QString bodyLine() {
    switch (below(6)) {
      case 0:
        return QString();
      case 1:
        return QStringLiteral("  isLit = true");
      default: {
        QStringList literals;
        const int count = 1 + below(below(5) == 0 ? 12 : 3);
        for (int i = 0; i < count; ++i) literals << literal();
        return QStringLiteral("  ") + word() + QStringLiteral(" = ") +
               literals.join(pick({QStringLiteral(" "), QStringLiteral(", ")}));
      }
    }
  }

  std::mt19937 random_;
  bool emptyLiterals_;
};

// A project of a few dozen files in three levels of folders, unique base
// names, some files with CR LF line ends; returns the sources by path below
// `root`.
e2e::Tree writeProject(const QString& root, bool emptyLiterals) {
  SourceGenerator generator(20240611u, emptyLiterals);
  const QStringList folders{QString(), QStringLiteral("rooms/"), QStringLiteral("rooms/upper/"),
                            QStringLiteral("Objects/")};
  e2e::Tree sources;
  for (int i = 0; i < 36; ++i) {
    const QString extension = i % 7 == 3 ? QStringLiteral(".T") : QStringLiteral(".t");
    const QString path = folders[i % folders.size()] +
                         QStringLiteral("f%1").arg(i, 2, 10, QLatin1Char('0')) + extension;
    QString text = generator.file();
    if (i % 5 == 0) text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    sources.insert(path, e2e::toCp1251(text));
    EXPECT_TRUE(e2e::writeFile(root + QLatin1Char('/') + path, sources.value(path)));
  }
  return sources;
}

e2e::Tree filesOnly(e2e::Tree tree) {
  for (auto it = tree.begin(); it != tree.end();) {
    if (it.key().endsWith(QLatin1Char('/'))) {
      it = tree.erase(it);
    } else {
      ++it;
    }
  }
  return tree;
}

std::string pathsOf(const e2e::Tree& tree) {
  return tree.keys().join(QLatin1Char('\n')).toStdString();
}

class RoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, UntouchedDocumentGivesSourcesBackWithCrLfLineEnds) {
  const QString format = QLatin1String(GetParam());
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  const QString work = temp.path();
  const e2e::Tree sources = writeProject(work + QStringLiteral("/game"), format == "html");
  const QString document = QStringLiteral("doc.") + format;

  const e2e::ToolRun get =
      e2e::runTool({QStringLiteral("--mode=get"), QStringLiteral("--root-dir=game"),
                    QStringLiteral("--format=") + format, QStringLiteral("--res-file=") + document},
                   work);
  ASSERT_TRUE(get.finished);
  ASSERT_EQ(0, get.exitCode) << get.standardError.toStdString();
  const e2e::ToolRun put =
      e2e::runTool({QStringLiteral("--mode=new"), QStringLiteral("--root-dir=game"),
                    QStringLiteral("--format=") + format, QStringLiteral("--in-doc=") + document,
                    QStringLiteral("--res-dir=out")},
                   work);
  ASSERT_TRUE(put.finished);
  ASSERT_EQ(0, put.exitCode) << put.standardError.toStdString();

  for (const QByteArray& log : {get.standardError, put.standardError}) {
    EXPECT_FALSE(log.contains("Warning")) << log.toStdString();
    EXPECT_FALSE(log.contains("Error")) << log.toStdString();
  }
  const e2e::Tree copies = filesOnly(e2e::readTree(work + QStringLiteral("/out")));
  EXPECT_EQ(pathsOf(sources), pathsOf(copies));
  for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
    EXPECT_EQ(e2e::withCrLf(it.value()).toStdString(), copies.value(it.key()).toStdString())
        << it.key().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::Values("html", "csv"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

}  // namespace
