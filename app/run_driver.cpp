#include "app/run_driver.h"

#include <QFile>
#include <QTextStream>

#include "app/new_mode_run.h"
#include "console/console_line.h"
#include "formats/document_writer.h"
#include "formats/serialize_formatter.h"
#include "patch/document_reader.h"
#include "scan/project_scanner.h"

namespace {

int runGetMode(const RunConfig& config, DocumentModel& model, const QStringList& ignoreList) {
  // The whole project is scanned before the result file is touched.
  scanProject(config.rootDir, model, ignoreList);
  QFile file(config.resFile);
  if (!file.open(QIODevice::WriteOnly)) {
    ConsoleLine() << "Error! Cannot open file " << quoted(config.resFile) << " for writing.";
    return 1;
  }
  {
    QTextStream out(&file);
    currentFormatter()->setStreamCodec(out);
    out << model;
    out.flush();
  }
  file.close();
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
