#include "check/check_run.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include "check/charset_checks.h"
#include "check/clean_writer.h"
#include "check/joined_rows.h"
#include "check/model_lookup.h"
#include "check/reading_checks.h"
#include "check/spanning_literals.h"
#include "check/strict_forecast.h"
#include "docread/text_reconciler.h"
#include "docread/tolerant_reading.h"
#include "fileio/checked_write.h"

namespace {

int rowCount(const DocumentModel& model) {
  int rows = 0;
  for (const FileEntry& section : model) rows += section.rows.size();
  return rows;
}

// A joined row explains what new mode makes of its own position and of the
// rows it swallowed: the reading's findings there say it again.
Findings withoutJoinedPositions(const Findings& findings, const QList<JoinedRow>& joined,
                                const SourceFolder& root) {
  QSet<QString> positions;
  for (const JoinedRow& join : joined) {
    for (const ProjectFile* file : filesInWalkOrder(root)) {
      if (file->baseName != join.section) continue;
      positions.insert(rowKey(file->path, join.row.lineIndex, join.row.literalIndex));
      for (const auto& taken : join.swallowed) {
        positions.insert(rowKey(file->path, taken.first, taken.second));
      }
    }
  }
  Findings kept;
  for (const Finding& finding : findings) {
    if (finding.literalIndex >= 0 &&
        positions.contains(rowKey(finding.where, static_cast<quint32>(finding.lineIndex),
                                  static_cast<quint32>(finding.literalIndex)))) {
      continue;
    }
    kept << finding;
  }
  return kept;
}

// The warning for a CSV file as get mode wrote it whose texts hold double
// quotes, which get mode does not double.
QStringList quoteNotes(const TolerantReading& reading, DocumentFormat format) {
  if (format != DocumentFormat::Csv || !reading.getModeForm) return {};
  int rows = 0;
  for (const FileEntry& section : reading.model) {
    for (const LineRecord& row : section.rows) {
      rows += section.textOf(row).contains(QLatin1Char('"'));
    }
  }
  if (rows == 0) return {};
  return {QStringLiteral("Note: %1 text%2 of this CSV file hold%3 double quotes, which get mode "
                         "writes as they are. A spreadsheet cannot read such rows back as "
                         "meant: it joins them with the records around them. Correct this file "
                         "in a text editor, or take HTML (--format=html) or brisvane-po.")
              .arg(rows)
              .arg(rows == 1 ? "" : "s")
              .arg(rows == 1 ? "s" : "")};
}

// Writes the clean document and says whether new mode would read it as
// meant; returns the problems it would still have, or -1 when the file
// cannot be written.
int writeClean(const CheckConfig& config, const SourceFolder& root, const DocumentModel& clean,
               const Interpreter& interpreter, QTextStream& out, QTextStream& err) {
  const QByteArray bytes = writeCleanDocument(clean, config.format);
  // Checked up to the close, where a small document meets a full disk.
  if (!checkedWrite(config.cleanFile, bytes).written()) {
    err << "brisvane-check: cannot write \"" << config.cleanFile << "\"\n";
    return -1;
  }
  const StrictForecast forecast = forecastStrictReading(
      bytes, config.format, readTolerantDocument(bytes, config.format).quirks);
  const Findings left =
      checkReading(root, clean, forecast) + checkPlayerView(root, clean, interpreter);
  out << "\nClean document written to \"" << config.cleanFile << "\": " << rowCount(clean)
      << " rows in " << clean.size() << " sections.\n";
  if (left.isEmpty()) {
    out << "New mode reads every row of it as this check does.\n";
  } else {
    out << "New mode would still lose text with it:\n" << renderFindings(left);
  }
  return left.size();
}

}  // namespace

CheckResult checkDocument(const QByteArray& document, DocumentFormat format,
                          const SourceFolder& root, const Interpreter& interpreter) {
  CheckResult result;
  const QList<const ProjectFile*> files = filesInWalkOrder(root);
  const QHash<QString, LineEntry> sourceLiterals = indexSourceLiterals(files);
  const TolerantReading reading = readTolerantDocument(document, format);
  result.meant = reconcileWithProject(reading, sourceLiterals);
  const QList<JoinedRow> joined =
      format == DocumentFormat::Csv ? findJoinedRows(result.meant) : QList<JoinedRow>();
  result.meant = withJoinedRowsRestored(result.meant, joined, sourceLiterals);
  const StrictForecast forecast = forecastStrictReading(document, format, reading.quirks);
  PreflightReport& report = result.report;
  report = buildReport(root, result.meant, forecast);
  report.reading = withoutJoinedPositions(report.reading, joined, root);
  report.joined = describeJoinedRows(root, joined);
  report.player = checkPlayerView(root, result.meant, interpreter);
  report.charsets = checkCharsets(root);
  report.notes = quoteNotes(reading, format);
  for (const auto& note : reading.notes) {
    report.content << Finding{QStringLiteral("document line %1").arg(note.first), -1, -1,
                              note.second + QStringLiteral("; no program can apply it")};
  }
  result.clean = withSourceEscapes(result.meant, indexEscapedLiterals(files));
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
  const DialectVerdict version = detectProjectDialect(config.rootDir, root, config.tads);
  const Interpreter interpreter{version.dialect, switchesHtmlModeOn(root)};
  CheckResult result = checkDocument(bytes, config.format, root, interpreter);
  PreflightReport& report = result.report;
  report.version = describeVersion(version) +
                   describeSpanning(countSpanningLiterals(config.rootDir, root, version.dialect));

  out << "Checked \"" << config.inDoc << "\" (" << formatName(config.format)
      << ") against the project \"" << config.rootDir << "\".\n"
      << renderReport(report);
  int lost = report.charsets.size() + report.content.size();
  if (config.cleanFile.isEmpty()) {
    lost += report.joined.size() + report.player.size() + report.reading.size();
  } else {
    const int left = writeClean(config, root, result.clean, interpreter, out, err);
    if (left < 0) return 2;
    lost += left;
  }
  return lost > 0 ? 1 : 0;
}
