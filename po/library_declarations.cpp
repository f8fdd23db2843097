#include "po/library_declarations.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

#include "po/source_file.h"

namespace {

QStringList filesUnder(const QString& folder, const QStringList& patterns) {
  QStringList files;
  QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  std::sort(files.begin(), files.end());
  return files;
}

/// The last word before byte `at` of `bytes`, blanks skipped.
QByteArray wordBefore(const QByteArray& bytes, int at) {
  int end = at;
  while (end > 0 && QChar::isSpace(uint(uchar(bytes[end - 1])))) --end;
  int begin = end;
  while (begin > 0 &&
         (QChar::isLetterOrNumber(uint(uchar(bytes[begin - 1]))) || bytes[begin - 1] == '_')) {
    --begin;
  }
  return begin == end ? bytes.mid(end - 1, end > 0 ? 1 : 0) : bytes.mid(begin, end - begin);
}

}  // namespace

QStringList declarationFiles(const QString& rootDir, const QStringList& libDirs) {
  QStringList files;
  for (const QString& folder : libDirs) {
    files += filesUnder(folder, {QStringLiteral("*.t"), QStringLiteral("*.h")});
  }
  files += filesUnder(rootDir, {QStringLiteral("*.h")});
  return files;
}

QString missingLibDir(const QStringList& libDirs) {
  for (const QString& folder : libDirs) {
    if (!QFileInfo(folder).isDir()) return folder;
  }
  return QString();
}

MessageParameters readMessageParameters(const QStringList& paths, TadsDialect dialect,
                                        const QString& fromCharset) {
  MessageParameters parameters;
  for (const QString& path : paths) {
    SourceFile file;
    QString problem;
    if (!readSource(path, fromCharset, file, problem)) continue;
    if (!file.bytes.contains("paramList_") && !file.bytes.contains("getMessageParam")) continue;
    for (const TadsLiteral& literal : lexTads(file.bytes, dialect).literals) {
      if (literal.quote != QuoteKind::Single || literal.depth > 0) continue;
      const QByteArray before = wordBefore(file.bytes, literal.begin);
      // `['the/he', &theName, ...]`: each entry's first element is a name.
      if (literal.property.endsWith(QLatin1String("paramList_")) && before == "[") {
        parameters.names.insert(decodeIn(file, literal.text).toLower());
      } else if (literal.property.endsWith(QLatin1String("getMessageParam")) && before == "case") {
        parameters.objects.insert(decodeIn(file, literal.text).toLower());
      }
    }
  }
  return parameters;
}
