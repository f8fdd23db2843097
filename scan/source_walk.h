#ifndef BRISVANE_SCAN_SOURCE_WALK_H
#define BRISVANE_SCAN_SOURCE_WALK_H

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

/// What one walk of a project's sources meets, in walk order. The walk
/// prints nothing; a visitor that shows progress prints it.
class SourceVisitor {
 public:
  /// What the walk does after a file.
  enum class Next {
    GoOn,
    LeaveFolder,  ///< skip the rest of the file's folder, subfolders included
    StopWalk,
  };

  /// A folder whose files and subfolders come next: `directory` as the walk
  /// built it (the root as typed, a subfolder by "%1/%2" on its parent's
  /// absolute path); `relative` its path from the root, "" for the root,
  /// else ending in "/".
  virtual void enterFolder(const QDir& directory, const QString& relative) = 0;
  /// A source file of the ignore list, left out.
  virtual void ignoreFile(const QFileInfo&) {}
  /// A source file to visit; `relative` is its folder's.
  virtual Next visitFile(const QFileInfo& file, const QString& relative) = 0;
  /// A subfolder of the ignore list at `path`, left out with all below it.
  virtual void ignoreFolder(const QString&) {}
  /// The folder entered last is done (or left).
  virtual void leaveFolder() {}

 protected:
  ~SourceVisitor() = default;
};

/// Walks the sources under `rootDir` depth first: in each folder its "*.t"
/// files (any case; no links, hidden entries or directories), then its
/// subfolders (no links or hidden entries), each sorted by name without
/// regard to case; a file or subfolder whose name (a file's with its
/// extension) is an entry of `ignoreList` is left out, at any depth. False
/// when the visitor stopped the walk.
bool walkSources(const QString& rootDir, const QStringList& ignoreList, SourceVisitor& visitor);

/// "--ignore=" split at every ",", empty pieces kept; empty for an empty text.
QStringList ignoreListOf(const QString& ignoreText);

#endif
