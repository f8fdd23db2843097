#include "scan/walk_progress.h"

#include "console/console_line.h"

void ProgressVisitor::enterFolder(const QDir& directory, const QString&) {
  ConsoleLine() << "Scanning: " << quoted(directory.path());
}

void ProgressVisitor::ignoreFile(const QFileInfo& file) {
  ConsoleLine() << "Ignore file: " << quoted(file.fileName());
}

void ProgressVisitor::ignoreFolder(const QString& path) {
  ConsoleLine() << "Ignore dir: " << quoted(path);
}

void printProcessFile(const QString& baseName) {
  ConsoleLine() << "Process file: " << quoted(baseName);
}
