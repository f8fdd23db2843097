#ifndef BRISVANE_CHECK_READING_CHECKS_H
#define BRISVANE_CHECK_READING_CHECKS_H

#include "check/finding.h"
#include "check/project_tree.h"
#include "check/strict_forecast.h"
#include "scan/document_model.h"

/// The losses that come from how new mode reads the document: it patches
/// every source file once with the sections the document means and once with
/// those its reader would take, both with the main tool's own patcher, and
/// explains every line that comes out differently: rows dropped (and why),
/// texts read differently, rows read where the document holds none, and
/// sections new mode would not find, with what its walk then leaves out.
Findings checkReading(const SourceFolder& root, const DocumentModel& meant,
                      const StrictForecast& forecast);

#endif
