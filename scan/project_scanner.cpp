#include "scan/project_scanner.h"

#include "scan/chunk_detector.h"
#include "scan/source_listing.h"

void scanProject(QString rootDir, DocumentModel& model, QStringList ignoreList) {
  scanDirectory(QDir(rootDir), model, ignoreList);
}

void scanDirectory(QDir directory, DocumentModel& model, QStringList ignoreList) {
  const QFileInfoList files = listSourceFiles(directory);
  for (const QFileInfo& file : files) {
    if (ignoresFile(file, ignoreList)) continue;
    FileEntry entry;
    entry.name = announceFile(file);
    QString text;
    if (!readSourceFile(file.absoluteFilePath(), text)) continue;
    entry.chunks = detectChunks(text);
    model.append(entry);
  }
  const QStringList subdirectories = listSubdirectories(directory);
  for (const QString& name : subdirectories) {
    const QString path = subdirectoryPath(directory, name);
    if (ignoresDirectory(name, path, ignoreList)) continue;
    scanDirectory(QDir(path), model, ignoreList);
  }
}
