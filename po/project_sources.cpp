#include "po/project_sources.h"

#include <QDir>
#include <QFileInfo>

#include "scan/source_walk.h"

namespace {

class SourceLister final : public SourceVisitor {
 public:
  QVector<ProjectSource> sources;

  void enterFolder(const QDir&, const QString&) override {}
  Next visitFile(const QFileInfo& file, const QString& relative) override {
    sources.append({file.absoluteFilePath(), relative + file.fileName()});
    return Next::GoOn;
  }
};

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
  SourceLister lister;
  walkSources(rootDir, ignoreList, lister);
  return lister.sources;
}

bool liesWithin(const QString& path, const QString& rootDir) {
  const QString inner = resolved(path);
  const QString outer = resolved(rootDir);
  return inner == outer || inner.startsWith(outer + QLatin1Char('/')) ||
         outer == QLatin1String("/");
}
