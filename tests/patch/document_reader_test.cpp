#include "patch/document_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "console_capture.h"
#include "formats/csv_formatter.h"
#include "formats/document_writer.h"
#include "formats/html_formatter.h"
#include "formats/serialize_formatter.h"

namespace {

// Selects a format for one test and restores the process-wide index after.
class FormatScope {
 public:
  explicit FormatScope(int index) : saved_(formatIndex) { setFormatIndex(index); }
  ~FormatScope() { setFormatIndex(saved_); }

 private:
  int saved_;
};

// The model in one line: F(file) C(chunk) L(text|quote|line|literal).
std::string dump(const DocumentModel& model) {
  QString text;
  for (const FileEntry& file : model) {
    text += QStringLiteral("F(%1)").arg(file.name);
    for (const ChunkEntry& chunk : file.chunks) {
      text += QStringLiteral(" C(%1)").arg(chunk.name);
      for (const LineEntry& line : chunk.lines) {
        text += QStringLiteral(" L(%1|%2|%3|%4)")
                    .arg(line.text, line.doubleQuoted ? QStringLiteral("\"") : QStringLiteral("'"))
                    .arg(line.lineIndex)
                    .arg(line.literalIndex);
      }
    }
    text += QLatin1Char(' ');
  }
  return text.trimmed().toStdString();
}

struct ReadResult {
  std::string model;
  std::string console;
};

// Reads `document` through operator>> with the given format selected.
ReadResult read(const QString& document, int format = 0) {
  FormatScope scope(format);
  ConsoleCapture console;
  QString text = document;
  QTextStream in(&text, QIODevice::ReadOnly);
  DocumentModel model;
  model.append(FileEntry{QStringLiteral("stale"), {}});
  in >> model;
  return {dump(model), console.text().toStdString()};
}

QString page(const char* body) {
  return QStringLiteral("<!DOCTYPE html><html><body>") + QString::fromUtf8(body) +
         QStringLiteral("</body></html>");
}

TEST(DocumentReader, OptionsGiveQuoteLineAndLiteralOrDropTheRow) {
  const struct {
    const char* options;
    const char* model;  // the row, or "" when dropped
    const char* line;   // its console line
  } cases[] = {
      {"\"/4/2", "L(t|\"|4|2)", "ln:  4 2 "},
      {"'/4/2", "L(t|'|4|2)", "ln:  4 2 "},
      {"x/4/2", "L(t|'|4|2)", "ln:  4 2 "},
      {"\"\"/4/2", "L(t|'|4|2)", "ln:  4 2 "},
      {"\"/4/2/", "L(t|\"|4|2)", "ln:  4 2 "},
      {"/\"/4/2", "L(t|\"|4|2)", "ln:  4 2 "},
      {"\"//4//2", "L(t|\"|4|2)", "ln:  4 2 "},
      {"\"/-1/0", "L(t|\"|4294967295|0)", "ln:  4294967295 0 "},
      {"\"/abc/3", "L(t|\"|0|3)", "ln:  0 3 "},
      {"\"/4", "", "Warning, cannot read line options:  \"t\" ( \"\"/4\" ) "},
      {"\"/4/2/9", "", "Warning, cannot read line options:  \"t\" ( \"\"/4/2/9\" ) "},
      {"", "", "Warning, cannot read line options:  \"t\" ( \"\" ) "},
  };
  for (const auto& c : cases) {
    const QString body =
        QStringLiteral("<h1>f</h1><h2>c</h2><table><tr><td>t</td><td>%1</td></tr></table>")
            .arg(QString::fromUtf8(c.options));
    const ReadResult result = read(page(body.toUtf8().constData()));
    EXPECT_EQ(result.model, std::string("F(f) C(c)") + (*c.model ? " " : "") + c.model)
        << c.options;
    EXPECT_EQ(result.console,
              std::string("File name:  \"f\" \nChunk name:  \"c\" \n") + c.line + "\n")
        << c.options;
  }
}

TEST(DocumentReader, TakesH1H2AndTrAtAnyDepthAndStopsAtTheFirstError) {
  const struct {
    const char* name;
    const char* body;
    const char* model;
    const char* console;
  } cases[] = {
      {"nested, entities, third cell",
       "<div><h1>start</h1><h2>kitchen</h2><table><tbody>"
       "<tr><td>a &amp; &lt;b&gt; &amp;quot; <!-- c -->x</td><td>\"/1/0</td><td>junk</td></tr>"
       "<tr><td></td><td>'/2/1</td></tr></tbody></table></div>",
       "F(start) C(kitchen) L(a & <b> &quot; x|\"|1|0) L(|'|2|1)",
       "File name:  \"start\" \nChunk name:  \"kitchen\" \nln:  1 0 \nln:  2 1 \n"},
      {"white space between the cells",
       "<h1>f</h1><h2>c</h2><tr><td>A</td>\n<td>\"/1/0</td></tr><tr><td>B</td><td>\"/2/0</td></tr>",
       "F(f) C(c) L(B|\"|2|0)",
       "File name:  \"f\" \nChunk name:  \"c\" \n"
       "Warning, cannot read line options:  \"A\" ( \"\" ) \nln:  2 0 \n"},
      {"white space before the first cell",
       "<h1>f</h1><h2>c</h2><tr> <td>Hello</td><td>\"/1/0</td></tr>", "F(f) C(c)",
       "File name:  \"f\" \nChunk name:  \"c\" \n"
       "Warning, cannot read line options:  \"\" ( \"Hello\" ) \n"},
      {"capital H1, empty h1", "<h1>f</h1><H1>g</H1><h2>c</h2><h1></h1>", "F(f) C(c) F()",
       "File name:  \"f\" \nChunk name:  \"c\" \nFile name:  \"\" \n"},
      {"no h1 at all", "<div><h3>x</h3></div>", "", ""},
      {"markup in h1", "<h1>ab<i>c</i></h1><h1>later</h1>", "F(ab)", "File name:  \"ab\" \n"},
      {"markup in the first cell",
       "<h1>f</h1><h2>c</h2><tr><td>a<b>x</b></td><td>\"/1/0</td></tr><h2>later</h2>", "F(f) C(c)",
       "File name:  \"f\" \nChunk name:  \"c\" \n"
       "Warning, cannot read line options:  \"a\" ( \"\" ) \n"},
      {"markup in the second cell",
       "<h1>f</h1><h2>c</h2><tr><td>a</td><td>\"/1/0<b>x</b></td></tr><h2>later</h2>",
       "F(f) C(c) L(a|\"|1|0)", "File name:  \"f\" \nChunk name:  \"c\" \nln:  1 0 \n"},
      {"not well-formed", "<h1>f</h1><h2>c</h2></div><h2>later</h2>", "F(f) C(c)",
       "File name:  \"f\" \nChunk name:  \"c\" \n"},
  };
  for (const auto& c : cases) {
    const ReadResult result = read(page(c.body));
    EXPECT_EQ(result.model, c.model) << c.name;
    EXPECT_EQ(result.console, c.console) << c.name;
  }
}

TEST(DocumentReader, SkipsAChunkBeforeAnyFileAndARowBeforeAnyChunkWithAWarning) {
  const ReadResult result =
      read(page("<h2>orphan</h2><h1>f</h1><tr><td>a</td><td>\"/1/0</td></tr><h2>c</h2>"
                "<tr><td>b</td><td>\"/2/0</td></tr>"));
  EXPECT_EQ(result.model, "F(f) C(c) L(b|\"|2|0)");
  const QStringList lines = QString::fromStdString(result.console).split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 6) << result.console;
  EXPECT_TRUE(lines[0].startsWith(QLatin1String("Warning"))) << result.console;
  EXPECT_EQ(lines[1], QStringLiteral("File name:  \"f\" "));
  EXPECT_TRUE(lines[2].startsWith(QLatin1String("Warning"))) << result.console;
  EXPECT_EQ(lines[3], QStringLiteral("Chunk name:  \"c\" "));
  EXPECT_EQ(lines[4], QStringLiteral("ln:  2 0 "));
}

TEST(DocumentReader, WithoutAFormatReadsNothingAndKeepsTheModel) {
  FormatScope scope(2);
  QString text = page("<h1>f</h1>");
  QTextStream in(&text, QIODevice::ReadOnly);
  DocumentModel model;
  model.append(FileEntry{QStringLiteral("kept"), {}});
  in >> model;
  EXPECT_EQ(dump(model), "F(kept)");
  EXPECT_FALSE(in.atEnd());
}

TEST(DocumentReader, ReadsBackTheDocumentThatGetModeWrites) {
  DocumentModel written;
  written.append(FileEntry{QStringLiteral("start"), {}});
  written.last().chunks.append(ChunkEntry{QStringLiteral("kitchen: Room"), {}});
  written.last().chunks.last().lines = {
      {QStringLiteral("The kettle is <b>hot</b> & steaming."), true, 12, 0},
      {QStringLiteral("say &quot;hi&quot; \u00e9\u0416"), true, 12, 1},
      {QStringLiteral("don\\'t"), false, 13, 0},
  };
  written.last().chunks.append(ChunkEntry{QStringLiteral("empty"), {}});
  written.append(FileEntry{QStringLiteral("lib"), {}});
  for (int format : {0, 1}) {
    FormatScope scope(format);
    QString document;
    {
      QTextStream out(&document, QIODevice::WriteOnly);
      out << written;
    }
    const ReadResult result = read(document, format);
    EXPECT_EQ(result.model, dump(written)) << document.toStdString();
    EXPECT_EQ(result.console,
              "File name:  \"start\" \nChunk name:  \"kitchen: Room\" \nln:  12 0 \nln:  12 1 \n"
              "ln:  13 0 \nChunk name:  \"empty\" \nFile name:  \"lib\" \n")
        << format;
  }
}

// Runs a test in a temporary working directory and restores the old one.
class WorkingDirectoryScope {
 public:
  WorkingDirectoryScope() : saved_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~WorkingDirectoryScope() { QDir::setCurrent(saved_); }

 private:
  QString saved_;
  QTemporaryDir dir_;
};

TEST(DocumentReader, LogsTheNormalisedTextAsUtf8WhenAsked) {
  WorkingDirectoryScope scope;
  const QString html = page("<h1>caf\u00e9</h1><p>&nbsp;</p><h2>\u0416</h2>");
  const QString csv =
      QStringLiteral("CSV file with TADS Source\nFILE;\u0416\nCHUNK;c\nEND CHUNK\n");
  const QByteArray stale(4096, 'x');
  const struct {
    int format;
    QString document;
    bool logging;
  } cases[] = {{0, html, false}, {0, html, true}, {1, csv, true}};
  for (const auto& c : cases) {
    QFile saved(QStringLiteral("temp_preproc.html"));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write(stale);
    saved.close();
    preprocessLogging = c.logging;
    read(c.document, c.format);
    preprocessLogging = false;
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    SerializeFormatter& formatter =
        c.format == 0 ? static_cast<SerializeFormatter&>(htmlFormatter) : csvFormatter;
    EXPECT_EQ(saved.readAll(), c.logging ? formatter.preprocess(c.document).toUtf8() : stale)
        << c.format;
    saved.close();
  }
}

}  // namespace
