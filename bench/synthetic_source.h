#ifndef BRISVANE_BENCH_SYNTHETIC_SOURCE_H
#define BRISVANE_BENCH_SYNTHETIC_SOURCE_H

#include <QString>
#include <QtGlobal>

/// Deterministic TADS-like source text of about `size` characters: a comment
/// header and includes, then object definitions with properties that hold
/// double- and single-quoted literals (English and Russian text, escaped
/// quotes, embedded expressions, HTML markup), methods, comments and lines
/// without literals, with a function, a modify and a replace block now and
/// then, and an occasional literal that runs over two lines. The same seed
/// gives the same text.
QString syntheticSource(quint32 seed, int size);

/// Writes a project of `fileCount` source files of about `totalBytes` bytes
/// in all under `root` (created), in code page 1251, spread over nested
/// folders; every fourth file has CR LF line ends. Returns the bytes written.
qint64 writeSyntheticProject(const QString& root, int fileCount, qint64 totalBytes);

#endif
