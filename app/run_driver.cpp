#include "app/run_driver.h"

#include <QTextStream>

#include "app/new_mode_run.h"
#include "console/console_line.h"
#include "fileio/checked_write.h"
#include "formats/document_writer.h"
#include "formats/serialize_formatter.h"
#include "patch/document_reader.h"
#include "scan/project_scanner.h"
#include "scan/source_walk.h"

namespace {

int runGetMode(const RunConfig& config, DocumentModel& model, const QStringList& ignoreList) {
  // The whole project is scanned before the result file is touched.
  scanProject(config.rootDir, model, ignoreList);
  const WriteOutcome outcome = checkedWrite(config.resFile, [&model](QTextStream& out) {
    currentFormatter()->setStreamCodec(out);
    out << model;
  });
  if (outcome.status == WriteOutcome::Status::NotOpened) {
    ConsoleLine() << "Error! Cannot open file " << quoted(config.resFile) << " for writing.";
    return 1;
  }
  if (!outcome.written()) {
    printWriteError(config.resFile, outcome);
    return 1;
  }
  ConsoleLine() << "Finished";
  return 0;
}

}  // namespace

int runDriver(const RunConfig& config) {
  preprocessLogging = config.logPreprocess;
  DocumentModel model;
  const QStringList ignoreList = ignoreListOf(config.ignoreText);
  if (config.mode == RunConfig::Mode::New) return runNewMode(config, model, ignoreList);
  return runGetMode(config, model, ignoreList);
}
