#ifndef BRISVANE_CHECK_PREFLIGHT_REPORT_H
#define BRISVANE_CHECK_PREFLIGHT_REPORT_H

#include <QList>
#include <QString>

#include "check/finding.h"
#include "check/progress_table.h"
#include "check/project_tree.h"
#include "check/strict_forecast.h"
#include "scan/document_model.h"

/// Everything the check found about one document.
struct PreflightReport {
  /// The lines about the project: which TADS it is read as, how many of
  /// its literals span lines.
  QString version;
  QList<FileProgress> progress;
  QStringList notes;  ///< warnings that are no problems yet, one line each
  Findings charsets;  ///< files whose character set new mode would not keep
  Findings content;   ///< losses built into what the document says
  Findings joined;    ///< rows a spreadsheet joined with others
  Findings player;    ///< entities the game would print as written
  Findings reading;   ///< losses from how new mode reads it
};

/// Compares the rows the document means (`meant`) with the project and with
/// what new mode would read of the document (`forecast`).
PreflightReport buildReport(const SourceFolder& root, const DocumentModel& meant,
                            const StrictForecast& forecast);

/// The problems, one line each: where (file, line and literal), then what.
/// Rows of one file with the same problem share a line that lists their
/// positions as line/literal.
QString renderFindings(const Findings& findings);

/// Every problem of the report, in the order it lists them.
Findings allProblems(const PreflightReport& report);

/// The whole report: the version line, the progress table, the notes, the
/// problems and the closing lines.
QString renderReport(const PreflightReport& report);

#endif
