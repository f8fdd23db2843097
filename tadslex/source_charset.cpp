#include "tadslex/source_charset.h"

#include "scan/byte_order_mark.h"

namespace {

// `#charset "name"` at `at`: the compiler wants "#charset " exactly, blanks,
// and the name closed by a quote before the line ends.
void readDirective(const QByteArray& source, int at, SourceCharset& charset) {
  static const char kWord[] = "#charset ";
  if (source.size() - at < 9 || source.mid(at, 9) != kWord) return;
  int i = at + 9;
  while (i < source.size() && (source[i] == ' ' || source[i] == '\t')) ++i;
  if (i >= source.size() || source[i] != '"') return;
  int nameBegin = ++i;
  while (i < source.size() && source[i] != '"' && source[i] != '\n' && source[i] != '\r') ++i;
  if (i >= source.size() || source[i] != '"') return;
  charset.directiveBegin = at;
  charset.directiveEnd = i + 1;
  charset.nameBegin = nameBegin;
  charset.nameEnd = i;
  charset.name = normalizeCharsetName(QString::fromLatin1(source.mid(nameBegin, i - nameBegin)));
}

}  // namespace

QString normalizeCharsetName(const QString& name) {
  QString n = name.trimmed().toLower();
  if (n == QLatin1String("utf8")) return QStringLiteral("utf-8");
  if (n == QLatin1String("ascii") || n == QLatin1String("usascii"))
    return QStringLiteral("us-ascii");
  if (n == QLatin1String("iso-8859-1") || n == QLatin1String("iso8859-1") ||
      n == QLatin1String("latin-1") || n == QLatin1String("iso-latin-1")) {
    return QStringLiteral("latin1");
  }
  if (n.startsWith(QLatin1String("windows-"))) return QStringLiteral("cp") + n.mid(8);
  if (n.startsWith(QLatin1String("cp-"))) return QStringLiteral("cp") + n.mid(3);
  if (n.startsWith(QLatin1String("win")) && n.size() == 7 && n[3].isDigit()) {
    return QStringLiteral("cp") + n.mid(3);
  }
  return n;
}

SourceCharset detectSourceCharset(const QByteArray& source) {
  SourceCharset charset;
  const ByteOrderMark mark = byteOrderMarkOf(source);
  if (mark == ByteOrderMark::Utf8) {
    charset.hasBom = true;
    charset.bomLength = 3;
    readDirective(source, 3, charset);  // redundant, but the compiler allows it
    charset.name = QStringLiteral("utf-8");
  } else if (mark == ByteOrderMark::Utf16Le || mark == ByteOrderMark::Utf16Be ||
             mark == ByteOrderMark::Utf32Le) {  // taken for the UTF-16 mark it begins with
    charset.hasBom = true;
    charset.bomLength = 2;
    charset.name =
        mark == ByteOrderMark::Utf16Be ? QStringLiteral("utf-16be") : QStringLiteral("utf-16le");
  } else {
    readDirective(source, 0, charset);
  }
  return charset;
}
