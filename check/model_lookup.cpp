#include "check/model_lookup.h"

#include <QSet>

#include "docread/tolerant_reading.h"

QList<const ProjectFile*> firstOfEachName(const QList<const ProjectFile*>& files) {
  QList<const ProjectFile*> first;
  QSet<QString> seen;
  for (const ProjectFile* file : files) {
    if (seen.contains(file->baseName)) continue;
    seen.insert(file->baseName);
    first << file;
  }
  return first;
}

QHash<QString, LineEntry> indexSourceLiterals(const QList<const ProjectFile*>& files) {
  QHash<QString, LineEntry> index;
  for (const ProjectFile* file : firstOfEachName(files)) {
    for (const LineEntry& literal : file->literals.entries()) {
      index.insert(rowKey(file->baseName, literal.lineIndex, literal.literalIndex), literal);
    }
  }
  return index;
}
