#include "check/progress_table.h"

#include <QRegExp>
#include <QStringList>
#include <algorithm>

#include "check/model_lookup.h"
#include "docread/tolerant_reading.h"
#include "patch/patch_walk.h"

namespace {

// The words of a text: runs between white space that hold a letter or digit.
int countWords(const QString& text) {
  int words = 0;
  for (const QString& piece : text.split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    words += std::any_of(piece.begin(), piece.end(), [](QChar c) { return c.isLetterOrNumber(); });
  }
  return words;
}

FileProgress measureFile(const ProjectFile& file, const DocumentModel& meant) {
  FileProgress progress;
  progress.path = file.path;
  QHash<QString, QString> sourceTexts;
  for (const LineEntry& literal : file.literals.entries()) {
    ++progress.rows;
    progress.words += countWords(literal.text);
    sourceTexts.insert(rowKey(QString(), literal.lineIndex, literal.literalIndex), literal.text);
  }
  const FileEntry* section = findFileEntry(meant, file.baseName);
  if (!section) return progress;
  for (const LineEntry& row : section->entries()) {
    ++progress.inDocument;
    const auto source = sourceTexts.constFind(rowKey(QString(), row.lineIndex, row.literalIndex));
    if (source == sourceTexts.constEnd() || *source == row.text) continue;
    ++progress.changed;
    progress.changedWords += countWords(row.text);
  }
  return progress;
}

}  // namespace

QList<FileProgress> measureProgress(const SourceFolder& root, const DocumentModel& meant) {
  QList<FileProgress> files;
  for (const ProjectFile* file : filesInWalkOrder(root)) files << measureFile(*file, meant);
  return files;
}

QString renderProgress(const QList<FileProgress>& files) {
  FileProgress total;
  total.path = QStringLiteral("Total");
  int width = 5;  // "Total"
  for (const FileProgress& file : files) {
    width = qMax(width, file.path.size());
    total.rows += file.rows;
    total.inDocument += file.inDocument;
    total.changed += file.changed;
    total.words += file.words;
    total.changedWords += file.changedWords;
  }
  auto line = [width](const FileProgress& file) {
    return QStringLiteral("%1  %2  %3  %4  %5  %6\n")
        .arg(file.path, -width)
        .arg(file.rows, 6)
        .arg(file.inDocument, 11)
        .arg(file.changed, 7)
        .arg(file.words, 6)
        .arg(file.changedWords, 13);
  };
  QString text = QStringLiteral("%1    Rows  In document  Changed   Words  Changed words\n")
                     .arg(QStringLiteral("File"), -width);
  for (const FileProgress& file : files) text += line(file);
  return text + line(total);
}
