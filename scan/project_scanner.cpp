#include "scan/project_scanner.h"

#include "console/console_line.h"
#include "scan/chunk_detector.h"
#include "scan/source_reading.h"
#include "scan/walk_progress.h"

namespace {

class ScanVisitor final : public ProgressVisitor {
 public:
  explicit ScanVisitor(DocumentModel& model) : model_(model) {}

  Next visitFile(const QFileInfo& file, const QString&) override {
    FileEntry entry;
    entry.name = file.baseName();
    printProcessFile(entry.name);
    QString text;
    if (!readSourceFile(file.absoluteFilePath(), text)) return Next::GoOn;
    QStringList warnings;
    detectChunks(text, entry, warnings);
    printLines(warnings);
    // The model holds every file to the end of the run: no room to spare.
    entry.squeeze();
    model_.append(entry);
    return Next::GoOn;
  }

 private:
  DocumentModel& model_;
};

}  // namespace

void scanProject(QString rootDir, DocumentModel& model, QStringList ignoreList) {
  ScanVisitor visitor(model);
  walkSources(rootDir, ignoreList, visitor);
}
