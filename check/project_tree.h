#ifndef BRISVANE_CHECK_PROJECT_TREE_H
#define BRISVANE_CHECK_PROJECT_TREE_H

#include <QList>
#include <QString>
#include <QStringList>

#include "scan/document_model.h"
#include "tadslex/source_charset.h"

/// One source file as both walks of the main tool see it.
struct ProjectFile {
  QString path;              ///< relative to the root, "/"-separated (rooms/hall.t)
  QString baseName;          ///< the key by which new mode finds its section
  QStringList lines;         ///< the text split at line feeds, as new mode patches it
  FileEntry literals;        ///< what get mode would write for it today
  SourceCharset charset;     ///< the character set its bytes name for themselves
  bool beyondAscii = false;  ///< it holds bytes above 127 besides a byte-order mark
};

/// One directory of the project, in walk order: its files, then its folders.
struct SourceFolder {
  QString path;  ///< relative to the root, empty for the root itself
  QList<ProjectFile> files;
  QList<SourceFolder> folders;
};

/// Walks the project under `rootDir` with the main tool's listing rules
/// (same selection, order and ignore rules; unreadable files left out),
/// without printing anything.
SourceFolder walkProject(const QString& rootDir, const QStringList& ignoreList);

/// Every file of the tree, in walk order.
QList<const ProjectFile*> filesInWalkOrder(const SourceFolder& root);

#endif
