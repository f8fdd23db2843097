#ifndef BRISVANE_CHECK_CHECK_RUN_H
#define BRISVANE_CHECK_CHECK_RUN_H

#include <QByteArray>

#include "check/check_command_line.h"
#include "check/player_view.h"
#include "check/preflight_report.h"
#include "check/project_tree.h"
#include "scan/document_model.h"

class QTextStream;

/// What the check makes of one document.
struct CheckResult {
  /// The rows as the translator means them; a row a spreadsheet joined with
  /// others, and those it swallowed, hold their source text.
  DocumentModel meant;
  /// What --write-clean writes: `meant` with the source's escapes in place
  /// of the entities get mode put in for them.
  DocumentModel clean;
  PreflightReport report;
};

/// Reads `document` tolerantly, reconciles it with the project under `root`
/// and compares it with what new mode would read of it and with what the
/// game run by `interpreter` would print. The rows no program can apply
/// count among the content problems.
CheckResult checkDocument(const QByteArray& document, DocumentFormat format,
                          const SourceFolder& root, const Interpreter& interpreter);

/// Runs one check: reads the document tolerantly, scans the project, tells
/// its TADS version, forecasts new mode's reading, prints the report on
/// `out`, writes the clean document when asked. Returns the exit code: 0
/// when nothing would be lost, 1 when something would (judged on the clean
/// document when one is written), 2 when the root, the document or the
/// clean file cannot be used; what went wrong then goes to `err`.
int runCheck(const CheckConfig& config, QTextStream& out, QTextStream& err);

#endif
