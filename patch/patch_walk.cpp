#include "patch/patch_walk.h"

#include <QBuffer>
#include <QTextStream>
#include <utility>

#include "console/console_line.h"
#include "fileio/checked_write.h"
#include "patch/copy_patcher.h"
#include "patch/line_patcher.h"
#include "scan/byte_order_mark.h"
#include "scan/cp1251_codec.h"
#include "scan/source_reading.h"
#include "scan/walk_progress.h"

namespace {

// The bytes of a copy whose lines are joined by CR LF: code page 1251, with
// the codec's replacement for characters it lacks.
QByteArray encodedCopy(const QString& text) {
  QByteArray bytes;
  if (encodeCp1251(text, bytes)) return bytes;
  bytes.clear();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QTextStream out(&buffer);
  out.setCodec(kCp1251CodecName);
  out << text;
  out.flush();
  return bytes;
}

// The patched copy of a source file read as `bytes`. A file in code page
// 1251 is patched from its bytes, one with a byte-order mark from its text.
// Its warnings go to `warnings`.
QByteArray patchedCopy(QByteArray bytes, const FileEntry& entry, QStringList& warnings) {
  QByteArray copy;
  QString text;
  if (!startsWithByteOrderMark(bytes)) {
    dropCarriageReturns(bytes);
    if (patchCopy(bytes, entry, copy, text, warnings)) return copy;
    return encodedCopy(text);
  }
  // Joined, not terminated: the copy ends with a line end exactly when the
  // source did (its last line is then empty).
  QStringList lines = decodeSourceBytes(std::move(bytes)).split(QLatin1Char('\n'));
  warnings += patchLines(lines, entry);
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

class PatchVisitor final : public ProgressVisitor {
 public:
  PatchVisitor(const DocumentModel& model, const QString& resultRoot)
      : model_(model), resultRoot_(resultRoot) {}

  void enterFolder(const QDir& directory, const QString& relative) override {
    // A result folder may exist already or fail to be made: the walk goes on.
    if (!relative.isEmpty()) QDir().mkdir(resultRoot_ + relative);
    ProgressVisitor::enterFolder(directory, relative);
  }

  Next visitFile(const QFileInfo& file, const QString& relative) override {
    const QString baseName = file.baseName();
    printProcessFile(baseName);
    QByteArray bytes;
    if (!readSourceBytes(file.absoluteFilePath(), bytes)) return Next::GoOn;
    const FileEntry* entry = findFileEntry(model_, baseName);
    if (!entry) {
      // The document has nothing for this file: the rest of this folder,
      // its subfolders included, is left out.
      ConsoleLine() << "Error: no such file";
      return Next::LeaveFolder;
    }
    QStringList warnings;
    const QByteArray copy = patchedCopy(std::move(bytes), *entry, warnings);
    printLines(warnings);
    return writeCopy(resultRoot_ + relative + file.fileName(), copy) ? Next::GoOn : Next::StopWalk;
  }

 private:
  const DocumentModel& model_;
  const QString resultRoot_;  ///< absolute, ending in "/"
};

}  // namespace

const FileEntry* findFileEntry(const DocumentModel& model, const QString& baseName) {
  for (const FileEntry& entry : model) {
    if (entry.name == baseName) return &entry;
  }
  return nullptr;
}

QStringList patchLines(QStringList& lines, const FileEntry& file) {
  QStringList warnings;
  const quint32 lineCount = static_cast<quint32>(lines.size());
  const QVector<const LineRecord*> rows = rowsByLine(file, lineCount);
  QVector<bool> pending(rows.isEmpty() ? 0 : int(lineCount), false);
  forEachRowLine(rows, [&](quint32 index, const LineRecord* const* lineRows, int rowCount) {
    QString& line = lines[int(index)];
    QString patched;
    if (patchLineAtOnce(line, file, lineRows, rowCount, patched)) {
      line = patched;
    } else {
      pending[int(index)] = true;
    }
  });
  patchRowByRow(
      file, lineCount, [&](quint32 i) { return pending[int(i)] ? &lines[int(i)] : nullptr; },
      warnings);
  return warnings;
}

bool patchProject(const QString& rootDir, const DocumentModel& model, const QStringList& ignoreList,
                  const QString& resultDir) {
  PatchVisitor visitor(model, QDir(resultDir).absolutePath() + QLatin1Char('/'));
  return walkSources(rootDir, ignoreList, visitor);
}
