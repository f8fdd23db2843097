#include "check/project_tree.h"

#include <QVector>
#include <utility>

#include "scan/chunk_detector.h"
#include "scan/source_reading.h"
#include "scan/source_walk.h"

namespace {

// Builds the tree as the walk enters and leaves its folders.
class TreeBuilder final : public SourceVisitor {
 public:
  SourceFolder root;

  void enterFolder(const QDir&, const QString& relative) override {
    SourceFolder folder;
    folder.path = relative;
    folder.path.chop(1);  // no "/" at its end
    open_.append(folder);
  }

  Next visitFile(const QFileInfo& info, const QString& relative) override {
    QByteArray bytes;
    if (!readSourceBytes(info.absoluteFilePath(), bytes)) return Next::GoOn;
    ProjectFile file;
    file.baseName = info.baseName();
    file.path = relative + info.fileName();
    file.charset = detectSourceCharset(bytes);
    for (int i = file.charset.bomLength; i < bytes.size() && !file.beyondAscii; ++i) {
      file.beyondAscii = static_cast<unsigned char>(bytes[i]) > 127;
    }
    const QString text = decodeSourceBytes(std::move(bytes));
    file.lines = text.split(QLatin1Char('\n'));
    QStringList warnings;  // the main tool's to print, not this tool's
    detectChunks(text, file.literals, warnings);
    open_.last().files.append(file);
    return Next::GoOn;
  }

  void leaveFolder() override {
    SourceFolder done = open_.takeLast();
    if (open_.isEmpty()) {
      root = std::move(done);
    } else {
      open_.last().folders.append(done);
    }
  }

 private:
  QVector<SourceFolder> open_;  ///< the folders entered and not yet left
};

void collectFiles(const SourceFolder& folder, QList<const ProjectFile*>& files) {
  for (const ProjectFile& file : folder.files) files.append(&file);
  for (const SourceFolder& child : folder.folders) collectFiles(child, files);
}

}  // namespace

SourceFolder walkProject(const QString& rootDir, const QStringList& ignoreList) {
  TreeBuilder builder;
  walkSources(rootDir, ignoreList, builder);
  return builder.root;
}

QList<const ProjectFile*> filesInWalkOrder(const SourceFolder& root) {
  QList<const ProjectFile*> files;
  collectFiles(root, files);
  return files;
}
