#include "patch/patch_walk.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include "console/console_line.h"
#include "patch/line_patcher.h"
#include "scan/source_listing.h"

namespace {

// Base name -> index of the first FileEntry of that name, built once per
// walk so that finding a file's entry does not search the model each time.
using FileIndex = QHash<QString, int>;

FileIndex indexFiles(const DocumentModel& model) {
  FileIndex index;
  index.reserve(model.size());
  for (int i = 0; i < model.size(); ++i) {
    if (!index.contains(model[i].name)) index.insert(model[i].name, i);
  }
  return index;
}

void writeCopy(const QString& path, const QStringList& lines) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  QTextStream out(&file);
  out.setCodec("CP1251");
  out << lines.join(QLatin1String("\r\n"));
  out.flush();
  file.close();
}

void patchTree(QDir sourceDir, const DocumentModel& model, const FileIndex& index,
               const QStringList& ignoreList, const QDir& resultDir) {
  const QFileInfoList files = listSourceFiles(sourceDir);
  for (const QFileInfo& file : files) {
    if (ignoresFile(file, ignoreList)) continue;
    const QString baseName = announceFile(file);
    QString text;
    if (!readSourceFile(file.absoluteFilePath(), text)) continue;
    const auto found = index.constFind(baseName);
    if (found == index.constEnd()) {
      // The document has nothing for this file: the rest of this directory,
      // its subdirectories included, is left out.
      ConsoleLine() << "Error: no such file";
      return;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    patchLines(lines, model[found.value()]);
    writeCopy(resultDir.absolutePath() + QLatin1Char('/') + file.fileName(), lines);
  }
  const QStringList subdirectories = listSubdirectories(sourceDir);
  for (const QString& name : subdirectories) {
    const QString path = subdirectoryPath(sourceDir, name);
    if (ignoresDirectory(name, path, ignoreList)) continue;
    const QString resultPath = resultDir.absolutePath() + QLatin1Char('/') + name;
    QDir(resultDir).mkdir(resultPath);
    patchTree(QDir(path), model, index, ignoreList, QDir(resultPath));
  }
}

}  // namespace

void patchLines(QStringList& lines, const FileEntry& file) {
  const quint32 lineCount = static_cast<quint32>(lines.size());
  for (const ChunkEntry& chunk : file.chunks) {
    for (const LineEntry& entry : chunk.lines) {
      if (entry.lineIndex >= lineCount) continue;
      QString& line = lines[static_cast<int>(entry.lineIndex)];
      QString patched;
      if (patchLine(line, entry, patched)) line = patched;
    }
  }
}

void patchDirectory(QDir sourceDir, const DocumentModel& model, QStringList ignoreList,
                    QDir resultDir) {
  patchTree(sourceDir, model, indexFiles(model), ignoreList, resultDir);
}
