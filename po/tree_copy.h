#ifndef BRISVANE_PO_TREE_COPY_H
#define BRISVANE_PO_TREE_COPY_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>

/// Makes the bytes a copied file gets: the TADS sources' translated text, or
/// a null array to copy the file unchanged. Returns false with `error` set
/// when the copy must stop.
using FileTransform =
    std::function<bool(const QString& sourcePath, QByteArray& bytes, QString& error)>;

/// Copies the whole tree `rootDir` (every file and folder, hidden ones too;
/// links as links) into the new folder `resDir`, whole or not at all: it is
/// written into a temporary folder beside `resDir` and renamed at the end
/// (an empty `resDir` is replaced). Files whose absolute paths are keys of
/// `transformed` get the bytes `transform` makes; all others are copied byte
/// for byte with their permissions and modification times. The files written
/// anew are then made newer than every copied file by at least a whole second
/// (compilers compare whole seconds), so a build in the copy rebuilds exactly
/// what was translated; at most a second ahead of the clock, never waiting.
/// False with `error` set on failure, and then nothing is left behind.
bool copyTree(const QString& rootDir, const QString& resDir,
              const QHash<QString, QString>& transformed, const FileTransform& transform,
              QString& error);

#endif
