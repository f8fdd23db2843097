#include "po/source_file.h"

#include <QFile>
#include <QTextCodec>

#include "tadslex/source_charset.h"

SourceFile describeSource(const QByteArray& bytes, const QString& fallback) {
  SourceFile file;
  file.bytes = bytes;
  const SourceCharset declared = detectSourceCharset(bytes);
  if (declared.hasBom) {
    file.origin = CharsetOrigin::ByteOrderMark;
    file.charsetName = declared.name;
  } else if (declared.nameEnd > 0) {
    file.origin = CharsetOrigin::CharsetLine;
    file.charsetName = declared.name;
    file.nameBegin = declared.nameBegin;
    file.nameEnd = declared.nameEnd;
  } else {
    file.charsetName = normalizeCharsetName(fallback);
  }
  // The lexer reads bytes whose quotes and brackets are ASCII: a UTF-16 file
  // gets no codec, so it is reported and copied unchanged.
  file.asciiOnly = file.charsetName == QLatin1String("us-ascii");
  if (!file.charsetName.startsWith(QLatin1String("utf-16"))) {
    file.codec = QTextCodec::codecForName(file.asciiOnly ? QByteArray("ISO-8859-1")
                                                         : file.charsetName.toLatin1());
  }
  if (file.codec) {
    // Decoding is the costly part of reading a literal; most literals are
    // plain ASCII and need none where the character set keeps it.
    QByteArray ascii(127, Qt::Uninitialized);
    for (int c = 1; c < 128; ++c) ascii[c - 1] = char(c);
    file.asciiAsIs = file.codec->toUnicode(ascii) == QString::fromLatin1(ascii);
  }
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
    problem = QStringLiteral("character set '%1' cannot be read; copied unchanged")
                  .arg(file.charsetName);
    return false;
  }
  return true;
}

QString decodeIn(const SourceFile& file, const QByteArray& bytes) {
  if (readsAsAscii(file, bytes)) return QString::fromLatin1(bytes);
  return file.codec->toUnicode(bytes);
}

bool readsAsAscii(const SourceFile& file, const QByteArray& bytes) {
  if (!file.asciiAsIs) return false;
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 128) return false;
  }
  return true;
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
