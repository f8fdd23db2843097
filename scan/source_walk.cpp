#include "scan/source_walk.h"

namespace {

// False when the visitor stopped the walk.
bool walkFolder(QDir directory, const QString& relative, const QStringList& ignoreList,
                SourceVisitor& visitor) {
  directory.setNameFilters(QStringList(QStringLiteral("*.t")));
  directory.setFilter(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot);
  visitor.enterFolder(directory, relative);
  const QFileInfoList files = directory.entryInfoList();
  for (const QFileInfo& file : files) {
    if (ignoreList.contains(file.fileName())) {
      visitor.ignoreFile(file);
      continue;
    }
    const SourceVisitor::Next next = visitor.visitFile(file, relative);
    if (next == SourceVisitor::Next::StopWalk) return false;
    if (next == SourceVisitor::Next::LeaveFolder) {
      visitor.leaveFolder();
      return true;
    }
  }
  directory.setFilter(QDir::Dirs | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
  const QStringList names = directory.entryList();
  for (const QString& name : names) {
    const QString path = QStringLiteral("%1/%2").arg(directory.absolutePath(), name);
    if (ignoreList.contains(name)) {
      visitor.ignoreFolder(path);
      continue;
    }
    if (!walkFolder(QDir(path), relative + name + QLatin1Char('/'), ignoreList, visitor)) {
      return false;
    }
  }
  visitor.leaveFolder();
  return true;
}

}  // namespace

bool walkSources(const QString& rootDir, const QStringList& ignoreList, SourceVisitor& visitor) {
  return walkFolder(QDir(rootDir), QString(), ignoreList, visitor);
}

QStringList ignoreListOf(const QString& ignoreText) {
  if (ignoreText.isEmpty()) return QStringList();
  return ignoreText.split(QLatin1Char(','));
}
