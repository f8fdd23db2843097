#include "check/tads_version.h"

DialectVerdict detectProjectDialect(const QString& rootDir, const SourceFolder& root,
                                    std::optional<TadsDialect> option) {
  const QList<const ProjectFile*> files = filesInWalkOrder(root);
  QStringList paths;
  for (const ProjectFile* file : files) paths << file->path;
  return detectTadsDialect(
      rootDir, paths, [&](int index) { return files[index]->lines; }, option);
}

QString describeVersion(const DialectVerdict& verdict) {
  const QString name = dialectName(verdict.dialect);
  if (verdict.fromOption) return QStringLiteral("Read as %1 (--tads).\n").arg(name);
  if (verdict.evidence.isEmpty()) {
    return QStringLiteral(
        "Read as TADS 3: nothing in the project names its version, so the "
        "check assumes TADS 3 (--tads=2 for a TADS 2 game).\n");
  }
  return QStringLiteral("Read as %1: %2.\n").arg(name, verdict.evidence);
}
