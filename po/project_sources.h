#ifndef BRISVANE_PO_PROJECT_SOURCES_H
#define BRISVANE_PO_PROJECT_SOURCES_H

#include <QString>
#include <QStringList>
#include <QVector>

/// One TADS source of a project.
struct ProjectSource {
  QString absolutePath;
  QString relativePath;  ///< from the project root, with "/" separators
};

/// The `*.t` files get mode reads, in the order it reads them: each folder's
/// files by name, then its subfolders; files and folders whose names are in
/// `ignoreList`, links and hidden entries left out.
QVector<ProjectSource> listProjectSources(const QString& rootDir, const QStringList& ignoreList);

/// True when `path` is `rootDir` itself or lies below it (paths compared after
/// resolving links; a path that does not exist yet by its nearest existing
/// parent).
bool liesWithin(const QString& path, const QString& rootDir);

#endif
