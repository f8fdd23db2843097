#include "check/model_lookup.h"

#include <QRegExp>
#include <QSet>
#include <QStringList>

#include "check/tolerant_reading.h"

const FileEntry* firstSection(const DocumentModel& model, const QString& name) {
  for (const FileEntry& section : model) {
    if (section.name == name) return &section;
  }
  return nullptr;
}

QList<LineEntry> rowsOf(const FileEntry& section) {
  QList<LineEntry> rows;
  for (const ChunkEntry& chunk : section.chunks) rows += chunk.lines;
  return rows;
}

QHash<QString, LineEntry> indexSourceLiterals(const QList<const SourceFile*>& files) {
  QHash<QString, LineEntry> index;
  QSet<QString> seen;
  for (const SourceFile* file : files) {
    if (seen.contains(file->baseName)) continue;
    seen.insert(file->baseName);
    for (const ChunkEntry& chunk : file->chunks) {
      for (const LineEntry& literal : chunk.lines) {
        index.insert(rowKey(file->baseName, literal.lineIndex, literal.literalIndex), literal);
      }
    }
  }
  return index;
}

int countWords(const QString& text) {
  int words = 0;
  const QStringList pieces = text.split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  for (const QString& piece : pieces) {
    for (const QChar c : piece) {
      if (c.isLetterOrNumber()) {
        ++words;
        break;
      }
    }
  }
  return words;
}
