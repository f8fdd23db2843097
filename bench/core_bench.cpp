// Micro-benchmarks of the pure core: line scanning, chunk detection, the line
// patcher, the document writer, the two normalisers and the XHTML reader, on
// synthetic TADS-like text. Throughput counts characters of input, which is
// bytes for a source or CSV file in code page 1251.
#include <benchmark/benchmark.h>

#include <QStringList>
#include <QTextStream>
#include <QtGlobal>

#include "bench/synthetic_source.h"
#include "formats/csv_formatter.h"
#include "formats/document_writer.h"
#include "formats/html_formatter.h"
#include "formats/serialize_formatter.h"
#include "patch/document_reader.h"
#include "patch/line_patcher.h"
#include "scan/chunk_detector.h"
#include "scan/literal_scanner.h"

namespace {

constexpr int kFileSize = 64 * 1024;
constexpr int kModelFiles = 32;  // about 2 MB of source for the documents

// Console lines (warnings, the reader's progress) are built as in a run but
// not written, so that the terminal does not time them.
void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// The source lines that hold a literal and close it on the same line.
const QStringList& literalLines() {
  static const QStringList lines = [] {
    QStringList result;
    const QStringList all = syntheticSource(1, kFileSize).split(QLatin1Char('\n'));
    for (const QString& line : all) {
      const ScannedLine scanned = scanLine(line);
      if (!scanned.literals.isEmpty() && !scanned.unterminated) result << line;
    }
    return result;
  }();
  return lines;
}

qint64 totalSize(const QStringList& lines) {
  qint64 size = 0;
  for (const QString& line : lines) size += line.size();
  return size;
}

const DocumentModel& sampleModel() {
  static const DocumentModel model = [] {
    DocumentModel result;
    for (int i = 0; i < kModelFiles; ++i) {
      FileEntry file;
      file.name = QStringLiteral("file%1").arg(i);
      QStringList warnings;
      detectChunks(syntheticSource(static_cast<quint32>(i + 1), kFileSize), file, warnings);
      result.append(file);
    }
    return result;
  }();
  return model;
}

QString writeDocument(int format) {
  QString document;
  QTextStream out(&document);
  writeDocument(out, sampleModel(),
                format == 0 ? static_cast<SerializeFormatter&>(htmlFormatter) : csvFormatter);
  out.flush();
  return document;
}

// The page as an office editor saves it: classes on rows and cells, each
// text in a paragraph and a span, a style block and a generator meta tag.
QString editorSavedPage() {
  QString page = writeDocument(0);
  page.replace(QStringLiteral("<tr><td>"),
               QStringLiteral("<tr class=\"r1\"><td class=\"c1\"><p class=\"c2\"><span>"));
  page.replace(QStringLiteral("</td><td width=10%>"),
               QStringLiteral("</span></p></td><td class=\"c1\" width=10%>"));
  page.replace(QStringLiteral("<p>&nbsp;</p>"), QStringLiteral("<p class=\"c3\">&nbsp;</p>\n"));
  page.replace(QStringLiteral("</head>"),
               QStringLiteral("<meta name=\"generator\" content=\"editor\"/>"
                              "<style type=\"text/css\">p { margin: 0 }</style></head>"));
  return page;
}

void BM_ExtractLineLiterals(benchmark::State& state) {
  const QStringList& lines = literalLines();
  QStringList warnings;
  for (auto _ : state) {
    for (int i = 0; i < lines.size(); ++i)
      benchmark::DoNotOptimize(extractLineLiterals(lines[i], i, warnings));
  }
  state.SetBytesProcessed(state.iterations() * totalSize(lines));
  state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_ExtractLineLiterals);

void BM_DetectChunks(benchmark::State& state) {
  const QString text = syntheticSource(7, kFileSize);
  QStringList warnings;
  for (auto _ : state) {
    FileEntry file;
    detectChunks(text, file, warnings);
    benchmark::DoNotOptimize(file);
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_DetectChunks);

void BM_MakeLineTemplate(benchmark::State& state) {
  const QStringList& lines = literalLines();
  QStringList warnings;
  for (auto _ : state) {
    for (const QString& line : lines) benchmark::DoNotOptimize(makeLineTemplate(line, warnings));
  }
  state.SetBytesProcessed(state.iterations() * totalSize(lines));
  state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_MakeLineTemplate);

// Every literal of every line gets its (unchanged) text back, in the order
// the patch walk applies the rows: index 0 builds the template.
void BM_PatchLine(benchmark::State& state) {
  const QStringList& lines = literalLines();
  QList<QList<LineEntry>> entries;
  QStringList warnings;
  for (int i = 0; i < lines.size(); ++i) entries << extractLineLiterals(lines[i], i, warnings);
  for (auto _ : state) {
    for (int i = 0; i < lines.size(); ++i) {
      QString line = lines[i];
      for (const LineEntry& entry : entries[i]) {
        QString patched;
        if (patchLine(line, entry.literalIndex, entry.text, patched, warnings)) line = patched;
      }
      benchmark::DoNotOptimize(line);
    }
  }
  state.SetBytesProcessed(state.iterations() * totalSize(lines));
  state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_PatchLine);

// Arg 0: HTML, 1: CSV. Throughput counts the characters written.
void BM_DocumentWriter(benchmark::State& state) {
  sampleModel();  // built before the timing starts
  qint64 size = 0;
  for (auto _ : state) {
    const QString document = writeDocument(static_cast<int>(state.range(0)));
    size = document.size();
    benchmark::DoNotOptimize(document);
  }
  state.SetBytesProcessed(state.iterations() * size);
  state.SetLabel(state.range(0) == 0 ? "html" : "csv");
}
BENCHMARK(BM_DocumentWriter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg 0: the page as written, 1: the page as an editor saves it.
void BM_HtmlPreprocess(benchmark::State& state) {
  const QString page = state.range(0) == 0 ? writeDocument(0) : editorSavedPage();
  for (auto _ : state) benchmark::DoNotOptimize(htmlFormatter.preprocess(page));
  state.SetBytesProcessed(state.iterations() * page.size());
  state.SetLabel(state.range(0) == 0 ? "as written" : "editor-saved");
}
BENCHMARK(BM_HtmlPreprocess)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CsvPreprocess(benchmark::State& state) {
  const QString document = writeDocument(1);
  for (auto _ : state) benchmark::DoNotOptimize(csvFormatter.preprocess(document));
  state.SetBytesProcessed(state.iterations() * document.size());
}
BENCHMARK(BM_CsvPreprocess)->Unit(benchmark::kMillisecond);

void BM_ReadNormalisedDocument(benchmark::State& state) {
  const QString xhtml = htmlFormatter.preprocess(writeDocument(0));
  for (auto _ : state) {
    DocumentModel model;
    readNormalisedDocument(xhtml, model);
    benchmark::DoNotOptimize(model);
  }
  state.SetBytesProcessed(state.iterations() * xhtml.size());
}
BENCHMARK(BM_ReadNormalisedDocument)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(discardMessage);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
