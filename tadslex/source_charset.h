#ifndef BRISVANE_TADSLEX_SOURCE_CHARSET_H
#define BRISVANE_TADSLEX_SOURCE_CHARSET_H

#include <QByteArray>
#include <QString>

/// The character set a TADS source file declares, read the way the TADS 3
/// compiler reads it: a byte-order mark, or `#charset "name"` as the very
/// first bytes of the file (one space after the word, then blanks).
struct SourceCharset {
  /// The declared name, lower case, with common aliases folded ("utf8" to
  /// "utf-8", "ascii" to "us-ascii", "iso-8859-1" to "latin1",
  /// "windows-1251" to "cp1251"); "utf-8" for a UTF-8 byte-order mark,
  /// "utf-16le"/"utf-16be" for a UTF-16 one; empty when none is declared.
  QString name;
  bool hasBom = false;  ///< the file starts with a byte-order mark
  int bomLength = 0;    ///< its length in bytes (3 for UTF-8, 2 for UTF-16), else 0
  /// The `#charset` directive as byte offsets: [directiveBegin, directiveEnd)
  /// from '#' to past the closing quote, [nameBegin, nameEnd) the name between
  /// the quotes as written. All 0 when there is none.
  int directiveBegin = 0;
  int directiveEnd = 0;
  int nameBegin = 0;
  int nameEnd = 0;
};

/// Reads the character set `source` declares. Pure.
SourceCharset detectSourceCharset(const QByteArray& source);

/// `name` in lower case with the aliases above folded.
QString normalizeCharsetName(const QString& name);

#endif
