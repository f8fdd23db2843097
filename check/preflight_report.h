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
  QList<FileProgress> progress;
  Findings content;  ///< losses built into what the document says
  Findings reading;  ///< losses from how new mode reads it
};

/// Compares the rows the document means (`meant`) with the project and with
/// what new mode would read of the document (`forecast`).
PreflightReport buildReport(const SourceFolder& root, const DocumentModel& meant,
                            const StrictForecast& forecast);

/// The problems, one line each: where (file, line and literal), then what.
/// Rows of one file with the same problem share a line that lists their
/// positions as line/literal.
QString renderFindings(const Findings& findings);

/// The whole report: the progress table, the problems and a closing line.
QString renderReport(const PreflightReport& report);

#endif
