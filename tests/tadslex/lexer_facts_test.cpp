// The facts of TADS literals, one row each in lexer_facts.json: [fact,
// source, what the lexer shows of it, its problems (absent: none)], in groups
// of one dialect, each shown one way (texts: textsOf; contexts: contextsOf;
// parts: each literal's opening quotes, line(s), spacing other than collapse
// and embedded parts by kind). Where the TADS compilers are built, the rows
// of a group with a "program" (its header, what goes before each row, its
// footer, the function the rows stand in) print what the lexer reads.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "lex_test_support.h"
#include "literal_invariants.h"
#include "tads_instrument.h"
#include "test_files.h"

namespace {

QByteArray partsOf(const QByteArray& source, const LexResult& result) {
  QByteArrayList out;
  for (const TadsLiteral& lit : result.literals) {
    QByteArray s = quotesOf(lit.quote) + QByteArray::number(lit.line);
    if (lit.lastLine > lit.line) s += '-' + QByteArray::number(lit.lastLine);
    if (lit.spacing != NewlineSpacing::Collapse)
      s += lit.spacing == NewlineSpacing::Delete ? " delete" : " preserve";
    for (const EmbeddedPart& part : lit.embedded) {
      const char* kinds[] = {" expression", " format", " control"};
      s += kinds[int(part.kind)] + source.mid(part.begin, part.end - part.begin);
    }
    out << s;
  }
  return out.join(" | ");
}

QJsonArray groups() {
  const QString path = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/lexer_facts.json";
  return QJsonDocument::fromJson(testfiles::readFile(path)).array();
}

std::vector<int> groupIndexes() {
  std::vector<int> indexes(groups().size());
  for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = int(i);
  return indexes;
}

QString visible(QByteArray text) {
  return QString::fromUtf8(text.replace("\\n", "\n").replace(' ', '_').replace('\n', '|'));
}

// The group's rows as one program: what it prints between brackets and the
// lexer's texts of the literals of its function, both as visible().
void expectPrintedAsLexed(const QJsonObject& program, const QByteArrayList& rows,
                          TadsDialect dialect) {
  const TadsInstrument tads;
  if (!tads.available()) GTEST_SKIP() << TadsInstrument::missing();
  QByteArray source = program["header"].toString().toUtf8();
  for (const QByteArray& row : rows) source += program["each"].toString().toUtf8() + row + '\n';
  source += program["footer"].toString().toUtf8();
  const bool tads3 = dialect == TadsDialect::Tads3;
  QTemporaryDir dir;
  const QString main = dir.filePath(QStringLiteral("fold"));
  ASSERT_TRUE(testfiles::writeFile(main + ".t", source));
  const QString game = main + (tads3 ? ".t3" : ".gam");
  const QString failure =
      tads3 ? tads.compileTads3(main, game, false) : tads.compileTads2(main + ".t", game);
  ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
  QStringList printed, lexed;
  static const QRegularExpression shown(QStringLiteral("^\\s*\\[(.*)\\]\\s*$"));
  for (const QString& line : QString::fromUtf8(tads.play(game, QByteArray())).split('\n')) {
    const QRegularExpressionMatch m = shown.match(line);
    if (m.hasMatch()) printed << m.captured(1);
  }
  for (const TadsLiteral& lit : lexChecked(source, dialect).literals) {
    if (lit.definition == program["function"].toString()) lexed << visible(lit.text);
  }
  EXPECT_EQ(lexed, printed);
}

class LexerFacts : public testing::TestWithParam<int> {};

TEST_P(LexerFacts, HoldForTheLexer) {
  const QJsonObject group = groups()[GetParam()].toObject();
  const TadsDialect dialect =
      group["dialect"].toInt() == 2 ? TadsDialect::Tads2 : TadsDialect::Tads3;
  const QString show = group["show"].toString();
  QByteArrayList sources;
  for (const QJsonValue& value : group["rows"].toArray()) {
    const QJsonArray row = value.toArray();
    const QString fact = row[0].toString();
    sources << row[1].toString().toUtf8();
    const LexResult r = lexChecked(sources.last(), dialect, fact);
    const QByteArray shown = show == "texts"   ? textsOf(r)
                             : show == "parts" ? partsOf(sources.last(), r)
                                               : contextsOf(r);
    EXPECT_EQ(row[2].toString().toUtf8(), shown) << fact.toStdString();
    EXPECT_EQ(row[3].toString(), problemsOf(r)) << fact.toStdString();
  }
  if (group.contains("program"))
    expectPrintedAsLexed(group["program"].toObject(), sources, dialect);
}

INSTANTIATE_TEST_SUITE_P(Groups, LexerFacts, testing::ValuesIn(groupIndexes()),
                         [](const testing::TestParamInfo<int>& info) {
                           return testfiles::caseName(testing::TestParamInfo<std::string>(
                               groups()[info.param].toObject()["name"].toString().toStdString(),
                               0));
                         });

}  // namespace
