#ifndef BRISVANE_BENCH_SYNTHETIC_SOURCE_H
#define BRISVANE_BENCH_SYNTHETIC_SOURCE_H

#include <QString>
#include <QtGlobal>

/// What a synthetic source holds besides what every one has (below).
struct SyntheticForms {
  /// Only what comes back byte for byte through get mode's documents and
  /// new mode: no literal over two lines (the document leaves it out) and no
  /// `\"` in double quotes (it comes back as its entity); and what those
  /// documents must carry: markup, entities, separators, TADS escapes and
  /// quotes that do not end the literal between a text's words, header lines
  /// in every spacing chunk detection meets, up to twelve literals a line, a
  /// file without its last line end, upper-case extensions.
  bool documentRoundTrip = false;
  /// Empty literals too (a CSV document has no row for them).
  bool emptyLiterals = false;
  /// The TADS 3 forms beyond plain quotes: triple quotes, R literals, one-of
  /// lists, literals inside embedded expressions, quotes in comments, and a
  /// folder linked into the tree.
  bool tads3Forms = false;
};

/// Deterministic TADS-like source text of about `size` characters: a comment
/// header and includes, then object definitions with properties that hold
/// double- and single-quoted literals (English and Russian text, escaped
/// quotes, embedded expressions, HTML markup), methods, comments and lines
/// without literals, with a function, a modify and a replace block now and
/// then, and an occasional literal that runs over two lines. The same seed
/// and forms give the same text.
QString syntheticSource(quint32 seed, int size, const SyntheticForms& forms = {});

/// Writes a project of `fileCount` source files of about `totalBytes` bytes
/// in all under `root` (created), in code page 1251, spread over nested
/// folders; every fourth file has CR LF line ends. Returns the bytes written.
/// The benchmarks and the round-trip tests share it.
qint64 writeSyntheticProject(const QString& root, int fileCount, qint64 totalBytes,
                             const SyntheticForms& forms = {});

#endif
