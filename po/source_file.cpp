#include "po/source_file.h"

#include <QFile>
#include <QTextCodec>

namespace {

const char kBom[] = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

/// Reads `#charset "name"` at the very start of `bytes`.
bool findCharsetLine(const QByteArray& bytes, int& nameBegin, int& nameEnd) {
  static const QByteArray keyword("#charset");
  if (!bytes.startsWith(keyword)) return false;
  int at = keyword.size();
  while (at < bytes.size() && isBlank(bytes[at])) ++at;
  if (at >= bytes.size() || (bytes[at] != '"' && bytes[at] != '\'')) return false;
  const char quote = bytes[at];
  const int close = bytes.indexOf(quote, at + 1);
  const int lineEnd = bytes.indexOf('\n', at);
  if (close < 0 || (lineEnd >= 0 && close > lineEnd)) return false;
  nameBegin = at + 1;
  nameEnd = close;
  return true;
}

}  // namespace

SourceFile describeSource(const QByteArray& bytes, const QString& fallback) {
  SourceFile file;
  file.bytes = bytes;
  if (bytes.startsWith(kBom)) {
    file.origin = CharsetOrigin::ByteOrderMark;
    file.charsetName = QStringLiteral("utf-8");
  } else if (findCharsetLine(bytes, file.nameBegin, file.nameEnd)) {
    file.origin = CharsetOrigin::CharsetLine;
    file.charsetName = QString::fromLatin1(bytes.mid(file.nameBegin, file.nameEnd - file.nameBegin));
  } else {
    file.charsetName = fallback;
  }
  const QByteArray name = file.charsetName.toLatin1().toLower();
  file.asciiOnly = name == "us-ascii" || name == "ascii";
  file.codec = QTextCodec::codecForName(file.asciiOnly ? QByteArray("ISO-8859-1") : name);
  return file;
}

bool readSource(const QString& path, const QString& fallback, SourceFile& file,
                QString& problem) {
  QFile input(path);
  if (!input.open(QIODevice::ReadOnly)) {
    problem = QStringLiteral("cannot be read: %1").arg(input.errorString());
    return false;
  }
  const QByteArray bytes = input.readAll();
  if (input.error() != QFileDevice::NoError) {
    problem = QStringLiteral("cannot be read: %1").arg(input.errorString());
    return false;
  }
  if (bytes.contains('\0')) {
    problem = QStringLiteral("is not text (it holds a zero byte); copied unchanged");
    return false;
  }
  file = describeSource(bytes, fallback);
  if (!file.codec) {
    problem = QStringLiteral("unknown character set '%1'").arg(file.charsetName);
    return false;
  }
  return true;
}

QString decodeIn(const SourceFile& file, const QByteArray& bytes) {
  return file.codec->toUnicode(bytes);
}

bool canHold(const SourceFile& file, const QString& text) {
  if (file.asciiOnly) {
    for (const QChar c : text) {
      if (c.unicode() >= 128) return false;
    }
    return true;
  }
  return file.codec->canEncode(text);
}

QByteArray encodeIn(const SourceFile& file, const QString& text) {
  return file.codec->fromUnicode(text);
}
