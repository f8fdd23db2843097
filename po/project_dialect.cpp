#include "po/project_dialect.h"

#include <QFile>

DialectVerdict projectDialect(const PoConfig& config, const QVector<ProjectSource>& sources) {
  QStringList paths;
  for (const ProjectSource& source : sources) paths << source.relativePath;
  // Only the preprocessor lines count, and those are ASCII in any character set.
  const auto linesOf = [&](int index) {
    QFile file(sources[index].absolutePath);
    if (!file.open(QIODevice::ReadOnly)) return QStringList();
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
  };
  return detectTadsDialect(config.rootDir, paths, linesOf, config.tads);
}
