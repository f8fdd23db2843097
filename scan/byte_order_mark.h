#ifndef BRISVANE_SCAN_BYTE_ORDER_MARK_H
#define BRISVANE_SCAN_BYTE_ORDER_MARK_H

#include <QByteArray>

/// The Unicode encodings a byte-order mark at the head of a file names.
enum class ByteOrderMark { None, Utf8, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

/// The byte-order mark `bytes` begin with. "FF FE 00 00" is UTF-32 LE,
/// although it begins with the UTF-16 LE mark: a reader that knows no
/// UTF-32 takes it for UTF-16 LE.
ByteOrderMark byteOrderMarkOf(const QByteArray& bytes);

/// True when the bytes begin with any byte-order mark, which a text stream
/// follows instead of its codec.
inline bool startsWithByteOrderMark(const QByteArray& bytes) {
  return byteOrderMarkOf(bytes) != ByteOrderMark::None;
}

#endif
