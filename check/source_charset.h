#ifndef BRISVANE_CHECK_SOURCE_CHARSET_H
#define BRISVANE_CHECK_SOURCE_CHARSET_H

#include <QByteArray>
#include <QString>

/// The character set a TADS source file names for itself.
struct SourceCharset {
  QString name;               ///< "utf-8", "us-ascii", ...; empty when it names none
  bool byteOrderMark = false; ///< named by a byte-order mark, not by a #charset line
  bool beyondAscii = false;   ///< holds bytes above 127 besides the mark
};

/// Reads the byte-order mark (UTF-8, or UTF-16 of either order) or the
/// `#charset "name"` line that the compiler takes only as the very first
/// thing in the file, and whether the rest holds bytes beyond ASCII.
SourceCharset sourceCharset(const QByteArray& bytes);

/// True for the names of Windows code page 1251: "cp1251", "windows-1251"
/// and "cp-1251", in any case.
bool namesCodePage1251(const QString& name);

#endif
