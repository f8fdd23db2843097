#include "check/tads_version.h"

#include <QDirIterator>
#include <QRegExp>

namespace {

// The first sign of a version among a file's lines: a preprocessor line
// that only one of the two compilers takes.
TadsVersion versionOfLines(const QStringList& lines, QString& sign) {
  static const QRegExp include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
                               Qt::CaseInsensitive);
  static const QRegExp charset(QStringLiteral("^\\s*#\\s*charset\\b"));
  for (const QString& line : lines) {
    if (QRegExp(charset).indexIn(line) == 0) {
      sign = QStringLiteral("has a #charset line");
      return TadsVersion::Tads3;
    }
    QRegExp matcher(include);
    if (matcher.indexIn(line) != 0) continue;
    const QString header = matcher.cap(1).trimmed().toLower();
    sign = QStringLiteral("includes <%1>").arg(matcher.cap(1).trimmed());
    if (header == QLatin1String("adv3.h") || header == QLatin1String("adv3lite.h") ||
        header == QLatin1String("tads.h")) {
      return TadsVersion::Tads3;
    }
    if (header == QLatin1String("adv.t") || header == QLatin1String("std.t")) {
      return TadsVersion::Tads2;
    }
  }
  return TadsVersion::Unknown;
}

// A sign among the names of the whole tree, ignored folders included: the
// library a game is built with often sits in one.
TadsVersion versionOfNames(const QString& rootDir, QString& sign) {
  QString tads2;
  QDirIterator it(rootDir, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    const QString name = it.fileName().toLower();
    const QString path = QDir(rootDir).relativeFilePath(it.filePath());
    if (name.endsWith(QLatin1String(".t3m")) || name.endsWith(QLatin1String(".tl"))) {
      sign = QStringLiteral("\"%1\" is a TADS 3 %2")
                 .arg(path, name.endsWith(QLatin1String(".tl")) ? QStringLiteral("library file")
                                                                : QStringLiteral("project file"));
      return TadsVersion::Tads3;
    }
    if (tads2.isEmpty() && (name == QLatin1String("adv.t") || name == QLatin1String("std.t"))) {
      tads2 = QStringLiteral("the project holds \"%1\"").arg(path);
    }
  }
  sign = tads2;
  return tads2.isEmpty() ? TadsVersion::Unknown : TadsVersion::Tads2;
}

}  // namespace

VersionVerdict detectTadsVersion(const QString& rootDir, const SourceFolder& root,
                                 TadsVersion option) {
  VersionVerdict verdict;
  if (option != TadsVersion::Unknown) {
    verdict.version = option;
    verdict.fromOption = true;
    return verdict;
  }
  QString tads2;
  for (const ProjectFile* file : filesInWalkOrder(root)) {
    QString sign;
    const TadsVersion version = versionOfLines(file->lines, sign);
    if (version == TadsVersion::Tads3) {
      verdict.evidence = QStringLiteral("\"%1\" %2").arg(file->path, sign);
      return verdict;
    }
    if (version == TadsVersion::Tads2 && tads2.isEmpty()) {
      tads2 = QStringLiteral("\"%1\" %2").arg(file->path, sign);
    }
  }
  QString sign;
  const TadsVersion named = versionOfNames(rootDir, sign);
  if (named == TadsVersion::Tads3) {
    verdict.evidence = sign;
  } else if (!tads2.isEmpty() || named == TadsVersion::Tads2) {
    verdict.version = TadsVersion::Tads2;
    verdict.evidence = tads2.isEmpty() ? sign : tads2;
  }
  return verdict;
}

QString describeVersion(const VersionVerdict& verdict) {
  const QString name = versionName(verdict.version);
  if (verdict.fromOption) return QStringLiteral("Read as %1 (--tads).\n").arg(name);
  if (verdict.evidence.isEmpty()) {
    return QStringLiteral(
        "Read as TADS 3: nothing in the project names its version, so the "
        "check assumes TADS 3 (--tads=2 for a TADS 2 game).\n");
  }
  return QStringLiteral("Read as %1: %2.\n").arg(name, verdict.evidence);
}

QString versionName(TadsVersion version) {
  return version == TadsVersion::Tads2 ? QStringLiteral("TADS 2") : QStringLiteral("TADS 3");
}
