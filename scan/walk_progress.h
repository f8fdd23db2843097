#ifndef BRISVANE_SCAN_WALK_PROGRESS_H
#define BRISVANE_SCAN_WALK_PROGRESS_H

#include "scan/source_walk.h"

/// The progress lines of Brisvane's two walks: "Scanning: " with each
/// folder's path, "Ignore file: " and "Ignore dir: " for what the ignore
/// list leaves out. The walks print "Process file: " themselves.
class ProgressVisitor : public SourceVisitor {
 public:
  void enterFolder(const QDir& directory, const QString& relative) override;
  void ignoreFile(const QFileInfo& file) override;
  void ignoreFolder(const QString& path) override;

 protected:
  ~ProgressVisitor() = default;
};

/// Prints "Process file: " with a file's base name.
void printProcessFile(const QString& baseName);

#endif
