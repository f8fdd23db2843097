#include "formats/document_writer.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTextStream>
#include <string>
#include <vector>

#include "formats/csv_formatter.h"
#include "formats/html_formatter.h"
#include "formats/serialize_formatter.h"

namespace {

// The format index is constant-initialised, so this reads its start value
// before any test (or the command-line handling under test) changes it.
const int kStartFormatIndex = formatIndex;

// Restores the process-wide format index when a test ends.
class FormatIndexGuard {
 public:
  explicit FormatIndexGuard(int index) : saved_(formatIndex) { setFormatIndex(index); }
  ~FormatIndexGuard() { setFormatIndex(saved_); }

 private:
  int saved_;
};

QString write(const DocumentModel& model, int index) {
  FormatIndexGuard guard(index);
  QString text;
  QTextStream out(&text);
  out << model;
  out.flush();
  return text;
}

// Plays a call trace ("H", "FS name", "CS name", "L text|dq|line|literal",
// "CE name", "FE name", "F") on a formatter: what the writer must produce.
QString replay(SerializeFormatter& formatter, const QStringList& calls) {
  QString text;
  QTextStream out(&text);
  for (const QString& call : calls) {
    const QString op = call.section(QLatin1Char(' '), 0, 0);
    const QString arg = call.section(QLatin1Char(' '), 1);
    if (op == QLatin1String("H")) formatter.writeHeader(out);
    if (op == QLatin1String("FS")) formatter.writeFileStart(out, arg);
    if (op == QLatin1String("CS")) formatter.writeChunkStart(out, arg);
    if (op == QLatin1String("CE")) formatter.writeChunkEnd(out, arg);
    if (op == QLatin1String("FE")) formatter.writeFileEnd(out, arg);
    if (op == QLatin1String("F")) formatter.writeFooter(out);
    if (op == QLatin1String("L")) {
      const QStringList f = arg.split(QLatin1Char('|'));
      formatter.writeLine(out, f[0], f[1] == QLatin1String("1"), f[2].toUInt(), f[3].toUInt());
    }
  }
  out.flush();
  return text;
}

LineEntry entry(const char* text, bool doubleQuoted, quint32 line, quint32 literal) {
  return LineEntry{QString::fromUtf8(text), doubleQuoted, line, literal};
}

}  // namespace

TEST(DocumentWriter, FormatIndexSelectsOneOfTheTwoFormatters) {
  EXPECT_EQ(kStartFormatIndex, 1);
  FormatIndexGuard guard(0);
  EXPECT_EQ(currentFormatter(), &htmlFormatter);
  setFormatIndex(1);
  EXPECT_EQ(currentFormatter(), &csvFormatter);
  for (int index : {2, -1}) {
    setFormatIndex(index);
    EXPECT_EQ(formatIndex, index);
    EXPECT_EQ(currentFormatter(), nullptr);
  }
}

TEST(DocumentWriter, CallsTheFormatterInModelOrder) {
  const ChunkEntry kitchen{QStringLiteral("kitchen: room"),
                           {entry("b", false, 9, 1), entry("a", true, 3, 0)}};
  const ChunkEntry empty{QStringLiteral("  modify x"), {}};
  const std::vector<std::pair<DocumentModel, QStringList>> cases = {
      {{}, {"H", "F"}},
      {{FileEntry{QStringLiteral("start"), {}}}, {"H", "FS start", "FE start", "F"}},
      {{FileEntry{QStringLiteral("z"), {kitchen, empty}}, FileEntry{QStringLiteral("a"), {empty}}},
       {"H", "FS z", "CS kitchen: room", "L b|0|9|1", "L a|1|3|0", "CE kitchen: room",
        "CS   modify x", "CE   modify x", "FE z", "FS a", "CS   modify x", "CE   modify x", "FE a",
        "F"}},
  };
  for (const auto& c : cases) {
    const std::string trace = c.second.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(write(c.first, 0), replay(htmlFormatter, c.second)) << trace;
    EXPECT_EQ(write(c.first, 1), replay(csvFormatter, c.second)) << trace;
  }
}

TEST(DocumentWriter, WritesNothingWithoutAFormatter) {
  const DocumentModel model = {FileEntry{QStringLiteral("f"), {}}};
  EXPECT_TRUE(write(model, 2).isEmpty());
}
