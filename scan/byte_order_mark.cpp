#include "scan/byte_order_mark.h"

ByteOrderMark byteOrderMarkOf(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return ByteOrderMark::Utf8;
  if (bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4))) return ByteOrderMark::Utf32Le;
  if (bytes.startsWith("\xFF\xFE")) return ByteOrderMark::Utf16Le;
  if (bytes.startsWith("\xFE\xFF")) return ByteOrderMark::Utf16Be;
  if (bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4))) return ByteOrderMark::Utf32Be;
  return ByteOrderMark::None;
}
