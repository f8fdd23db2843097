#include "patch/patch_walk.h"

#include <QBuffer>
#include <QHash>
#include <QSet>
#include <QTextStream>
#include <utility>

#include "console/console_line.h"
#include "fileio/checked_write.h"
#include "patch/copy_patcher.h"
#include "patch/line_patcher.h"
#include "scan/cp1251_codec.h"
#include "scan/source_listing.h"

namespace {

// The first entry of that base name, or null: duplicates after it are never
// used.
const FileEntry* findFileEntry(const DocumentModel& model, const QString& baseName) {
  for (const FileEntry& entry : model) {
    if (entry.name == baseName) return &entry;
  }
  return nullptr;
}

// The bytes of a copy whose lines are joined by CR LF: code page 1251, with
// the codec's replacement for characters it lacks.
QByteArray encodedCopy(const QString& text) {
  QByteArray bytes;
  if (encodeCp1251(text, bytes)) return bytes;
  bytes.clear();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QTextStream out(&buffer);
  out.setCodec("CP1251");
  out << text;
  out.flush();
  return bytes;
}

// The patched copy of a source file read as `bytes`. A file in code page
// 1251 is patched from its bytes, one with a byte-order mark from its text.
QByteArray patchedCopy(QByteArray bytes, const FileEntry& entry) {
  QByteArray copy;
  QString text;
  if (!startsWithByteOrderMark(bytes)) {
    dropCarriageReturns(bytes);
    if (patchCopy(bytes, entry, copy, text)) return copy;
    return encodedCopy(text);
  }
  // Joined, not terminated: the copy ends with a line end exactly when the
  // source did (its last line is then empty).
  QStringList lines = decodeSourceBytes(std::move(bytes)).split(QLatin1Char('\n'));
  patchLines(lines, entry);
  return encodedCopy(lines.join(QLatin1String("\r\n")));
}

// False (after the error line) when a write failed after the copy was
// opened; a copy that cannot be opened is skipped silently, as before.
bool writeCopy(const QString& path, const QByteArray& bytes) {
  const WriteOutcome outcome = checkedWrite(path, bytes);
  if (outcome.status != WriteOutcome::Status::WriteFailed) return true;
  printWriteError(path, outcome);
  return false;
}

}  // namespace

void patchLines(QStringList& lines, const FileEntry& file) {
  const quint32 lineCount = static_cast<quint32>(lines.size());
  // The rows of each line, in document order. Rows of different lines never
  // meet, so a line whose rows can be applied in one pass is done first; the
  // others go row by row in document order, which keeps their warnings in
  // order (lines done in one pass print none).
  QHash<quint32, QVector<const LineEntry*>> rowsByLine;
  for (const ChunkEntry& chunk : file.chunks) {
    for (const LineEntry& entry : chunk.lines) {
      if (entry.lineIndex < lineCount) rowsByLine[entry.lineIndex].append(&entry);
    }
  }
  QSet<quint32> doneAtOnce;
  for (auto it = rowsByLine.cbegin(); it != rowsByLine.cend(); ++it) {
    QString& line = lines[static_cast<int>(it.key())];
    QString patched;
    if (patchLineAtOnce(line, it.value(), patched)) {
      line = patched;
      doneAtOnce.insert(it.key());
    }
  }
  for (const ChunkEntry& chunk : file.chunks) {
    for (const LineEntry& entry : chunk.lines) {
      if (entry.lineIndex >= lineCount || doneAtOnce.contains(entry.lineIndex)) continue;
      QString& line = lines[static_cast<int>(entry.lineIndex)];
      QString patched;
      if (patchLine(line, entry, patched)) line = patched;
    }
  }
}

bool patchDirectory(QDir sourceDir, const DocumentModel& model, QStringList ignoreList,
                    QDir resultDir) {
  const QFileInfoList files = listSourceFiles(sourceDir);
  for (const QFileInfo& file : files) {
    if (ignoresFile(file, ignoreList)) continue;
    const QString baseName = announceFile(file);
    QByteArray bytes;
    if (!readSourceBytes(file.absoluteFilePath(), bytes)) continue;
    const FileEntry* entry = findFileEntry(model, baseName);
    if (!entry) {
      // The document has nothing for this file: the rest of this directory,
      // its subdirectories included, is left out.
      ConsoleLine() << "Error: no such file";
      return true;
    }
    if (!writeCopy(resultDir.absolutePath() + QLatin1Char('/') + file.fileName(),
                   patchedCopy(std::move(bytes), *entry))) {
      return false;
    }
  }
  const QStringList subdirectories = listSubdirectories(sourceDir);
  for (const QString& name : subdirectories) {
    const QString path = subdirectoryPath(sourceDir, name);
    if (ignoresDirectory(name, path, ignoreList)) continue;
    const QString resultPath = resultDir.absolutePath() + QLatin1Char('/') + name;
    resultDir.mkdir(resultPath);  // may exist already or fail: the walk goes on
    if (!patchDirectory(QDir(path), model, ignoreList, QDir(resultPath))) return false;
  }
  return true;
}
