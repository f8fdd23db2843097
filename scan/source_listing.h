#ifndef BRISVANE_SCAN_SOURCE_LISTING_H
#define BRISVANE_SCAN_SOURCE_LISTING_H

#include <QByteArray>
#include <QDir>
#include <QFileInfoList>
#include <QString>
#include <QStringList>

/// What both tree walks do in one directory, in the same order and with the
/// same progress lines: source files first, then subdirectories.

/// Prints "Scanning: " with the directory's path and lists its "*.t" files
/// (any case), without links, hidden entries or directories, sorted by name
/// without regard to case.
QFileInfoList listSourceFiles(QDir& directory);

/// The subdirectory names of `directory`, without links or hidden entries,
/// sorted by name without regard to case.
QStringList listSubdirectories(QDir& directory);

/// True (after printing "Ignore file: ") when the file's name with its
/// extension is an entry of `ignoreList`.
bool ignoresFile(const QFileInfo& file, const QStringList& ignoreList);

/// Prints "Process file: " with the file's base name and returns that name.
QString announceFile(const QFileInfo& file);

/// The path "%1/%2" of a subdirectory below `directory`'s absolute path.
QString subdirectoryPath(const QDir& directory, const QString& name);

/// True (after printing "Ignore dir: " with `path`) when `name` is an entry
/// of `ignoreList`.
bool ignoresDirectory(const QString& name, const QString& path, const QStringList& ignoreList);

/// Reads a source file's bytes whole, as they stand. False when it cannot
/// be opened.
bool readSourceBytes(const QString& path, QByteArray& bytes);

/// Drops every carriage return, a lone one too, as reading code page 1251
/// text in text mode does.
void dropCarriageReturns(QByteArray& bytes);

/// The text of a source file's bytes as a text stream in text mode reads it:
/// code page 1251 unless a byte-order mark names another encoding, every
/// carriage return dropped.
QString decodeSourceBytes(QByteArray bytes);

/// Reads a source file whole, in text mode, as code page 1251 (a byte-order
/// mark takes precedence). False when it cannot be opened.
bool readSourceFile(const QString& path, QString& text);

#endif
