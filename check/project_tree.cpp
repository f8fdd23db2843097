#include "check/project_tree.h"

#include <QDir>
#include <QFile>

#include "check/console_silencer.h"
#include "scan/chunk_detector.h"
#include "scan/source_listing.h"

namespace {

QString childPath(const QString& parent, const QString& name) {
  return parent.isEmpty() ? name : parent + QLatin1Char('/') + name;
}

void walkFolder(QDir directory, SourceFolder& folder, const QStringList& ignoreList) {
  const QFileInfoList files = listSourceFiles(directory);
  for (const QFileInfo& info : files) {
    if (ignoresFile(info, ignoreList)) continue;
    SourceFile file;
    file.baseName = announceFile(info);
    QString text;
    if (!readSourceFile(info.absoluteFilePath(), text)) continue;
    file.path = childPath(folder.path, info.fileName());
    file.lines = text.split(QLatin1Char('\n'));
    file.chunks = detectChunks(text);
    QFile raw(info.absoluteFilePath());
    if (raw.open(QIODevice::ReadOnly)) {
      const QByteArray bytes = raw.readAll();
      file.charset = detectSourceCharset(bytes);
      for (int i = file.charset.bomLength; i < bytes.size() && !file.beyondAscii; ++i) {
        file.beyondAscii = static_cast<unsigned char>(bytes[i]) > 127;
      }
    }
    folder.files.append(file);
  }
  const QStringList names = listSubdirectories(directory);
  for (const QString& name : names) {
    const QString path = subdirectoryPath(directory, name);
    if (ignoresDirectory(name, path, ignoreList)) continue;
    SourceFolder child;
    child.path = childPath(folder.path, name);
    walkFolder(QDir(path), child, ignoreList);
    folder.folders.append(child);
  }
}

void collectFiles(const SourceFolder& folder, QList<const SourceFile*>& files) {
  for (const SourceFile& file : folder.files) files.append(&file);
  for (const SourceFolder& child : folder.folders) collectFiles(child, files);
}

}  // namespace

SourceFolder walkProject(const QString& rootDir, const QStringList& ignoreList) {
  ConsoleSilencer silencer;
  SourceFolder root;
  walkFolder(QDir(rootDir), root, ignoreList);
  return root;
}

QList<const SourceFile*> filesInWalkOrder(const SourceFolder& root) {
  QList<const SourceFile*> files;
  collectFiles(root, files);
  return files;
}
