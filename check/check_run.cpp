#include "check/check_run.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "check/clean_writer.h"
#include "check/model_lookup.h"
#include "check/preflight_report.h"
#include "check/reading_checks.h"
#include "check/strict_forecast.h"
#include "check/text_reconciler.h"
#include "docread/tolerant_csv_reader.h"
#include "docread/tolerant_html_reader.h"
#include "fileio/checked_write.h"

namespace {

TolerantReading readTolerantly(const QByteArray& bytes, DocumentFormat format) {
  return format == DocumentFormat::Html ? readTolerantHtml(bytes) : readTolerantCsv(bytes);
}

int rowCount(const DocumentModel& model) {
  int rows = 0;
  for (const FileEntry& section : model) rows += rowsOf(section).size();
  return rows;
}

// Writes the clean document and says whether new mode would read it as
// meant; returns the problems it would still have, or -1 when the file
// cannot be written.
int writeClean(const CheckConfig& config, const SourceFolder& root, const DocumentModel& meant,
               QTextStream& out, QTextStream& err) {
  const QByteArray bytes = writeCleanDocument(meant, config.format);
  // Checked up to the close, where a small document meets a full disk.
  if (!checkedWrite(config.cleanFile, bytes).written()) {
    err << "brisvane-check: cannot write \"" << config.cleanFile << "\"\n";
    return -1;
  }
  const StrictForecast forecast =
      forecastStrictReading(bytes, config.format, readTolerantly(bytes, config.format).quirks);
  const Findings left = checkReading(root, meant, forecast);
  out << "\nClean document written to \"" << config.cleanFile << "\": " << rowCount(meant)
      << " rows in " << meant.size() << " sections.\n";
  if (left.isEmpty()) {
    out << "New mode reads every row of it as this check does.\n";
  } else {
    out << "New mode would still lose text with it:\n" << renderFindings(left);
  }
  return left.size();
}

}  // namespace

CheckResult checkDocument(const QByteArray& document, DocumentFormat format,
                          const SourceFolder& root) {
  CheckResult result;
  const TolerantReading reading = readTolerantly(document, format);
  result.meant = reconcileWithProject(reading, indexSourceLiterals(filesInWalkOrder(root)));
  const StrictForecast forecast = forecastStrictReading(document, format, reading.quirks);
  result.report = buildReport(root, result.meant, forecast);
  for (const auto& note : reading.notes) {
    result.report.content << Finding{QStringLiteral("document line %1").arg(note.first), -1, -1,
                                     note.second + QStringLiteral("; no program can apply it")};
  }
  return result;
}

int runCheck(const CheckConfig& config, QTextStream& out, QTextStream& err) {
  if (!QFileInfo(config.rootDir).isDir()) {
    err << "brisvane-check: the root dir \"" << config.rootDir << "\" is not a directory\n";
    return 2;
  }
  QFile document(config.inDoc);
  if (!document.open(QIODevice::ReadOnly)) {
    err << "brisvane-check: cannot read \"" << config.inDoc << "\"\n";
    return 2;
  }
  const QByteArray bytes = document.readAll();
  document.close();

  const SourceFolder root = walkProject(config.rootDir, config.ignoreList);
  const CheckResult result = checkDocument(bytes, config.format, root);
  const PreflightReport& report = result.report;

  out << "Checked \"" << config.inDoc << "\" (" << formatName(config.format)
      << ") against the project \"" << config.rootDir << "\".\n\n"
      << renderReport(report);
  int lost = report.content.size();
  if (config.cleanFile.isEmpty()) {
    lost += report.reading.size();
  } else {
    const int left = writeClean(config, root, result.meant, out, err);
    if (left < 0) return 2;
    lost += left;
  }
  return lost > 0 ? 1 : 0;
}
