#include "po/project_sources.h"

#include <QDir>
#include <QFileInfo>

#include "scan/source_listing.h"

namespace {

void walk(QDir directory, const QString& relative, const QStringList& ignoreList,
          QVector<ProjectSource>& sources) {
  for (const QFileInfo& file : listSourceFiles(directory)) {
    if (ignoresFile(file, ignoreList)) continue;
    sources.append({file.absoluteFilePath(), relative + file.fileName()});
  }
  for (const QString& name : listSubdirectories(directory)) {
    const QString path = subdirectoryPath(directory, name);
    if (ignoresDirectory(name, path, ignoreList)) continue;
    walk(QDir(path), relative + name + QLatin1Char('/'), ignoreList, sources);
  }
}

QString resolved(const QString& path) {
  QFileInfo info(path);
  QStringList missing;
  while (!info.exists() && !info.absoluteFilePath().isEmpty() &&
         info.absoluteFilePath() != QLatin1String("/")) {
    missing.prepend(info.fileName());
    info = QFileInfo(info.absolutePath());
  }
  QString base = info.canonicalFilePath();
  for (const QString& part : missing) base += QLatin1Char('/') + part;
  return QDir::cleanPath(base);
}

}  // namespace

QVector<ProjectSource> listProjectSources(const QString& rootDir, const QStringList& ignoreList) {
  QVector<ProjectSource> sources;
  walk(QDir(rootDir), QString(), ignoreList, sources);
  return sources;
}

bool liesWithin(const QString& path, const QString& rootDir) {
  const QString inner = resolved(path);
  const QString outer = resolved(rootDir);
  return inner == outer || inner.startsWith(outer + QLatin1Char('/')) || outer == QLatin1String("/");
}
