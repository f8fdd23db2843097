#include "app/new_mode_run.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "console/console_line.h"
#include "formats/serialize_formatter.h"
#include "patch/document_reader.h"
#include "patch/patch_walk.h"

int runNewMode(const RunConfig& config, DocumentModel& model, QStringList ignoreList) {
  QFile file(config.inDoc);
  if (!file.open(QIODevice::ReadOnly)) {
    ConsoleLine() << "Error! Cannot open file " << quoted(config.inDoc) << " for reading.";
    return 1;
  }
  {
    QTextStream in(&file);
    currentFormatter()->setStreamCodec(in);
    in >> model;
  }
  file.close();
  QDir::current().mkdir(config.resDir);
  // A failed write has printed its error line; the copies written before it
  // stay.
  if (!patchProject(config.rootDir, model, ignoreList, config.resDir)) return 1;
  ConsoleLine() << "Finished";
  return 0;
}
