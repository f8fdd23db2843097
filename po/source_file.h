#ifndef BRISVANE_PO_SOURCE_FILE_H
#define BRISVANE_PO_SOURCE_FILE_H

#include <QByteArray>
#include <QString>

class QTextCodec;

/// How a file says what its bytes are.
enum class CharsetOrigin { ByteOrderMark, CharsetLine, Default };

/// One TADS source file read whole, with the character set it is read in.
struct SourceFile {
  QByteArray bytes;
  CharsetOrigin origin = CharsetOrigin::Default;
  QString charsetName;           ///< as declared or given, aliases folded ("cp1251")
  QTextCodec* codec = nullptr;   ///< null when the name is unknown
  bool asciiOnly = false;        ///< "us-ascii": only characters below 128
  bool asciiAsIs = false;        ///< the codec reads bytes below 128 as those characters
  /// For CharsetLine: the byte span of the name between the line's quotes.
  int nameBegin = 0;
  int nameEnd = 0;
};

/// Finds the character set of `bytes` as the compiler does: a byte-order
/// mark, else a `#charset "name"` first line, else `fallback`.
SourceFile describeSource(const QByteArray& bytes, const QString& fallback);

/// Reads the file at `path` and describes it. False with `problem` set when
/// it cannot be read, is not text (holds a zero byte) or names a character
/// set this tool does not know.
bool readSource(const QString& path, const QString& fallback, SourceFile& file,
                QString& problem);

/// `bytes` (part of `file`) as characters.
QString decodeIn(const SourceFile& file, const QByteArray& bytes);

/// True when `bytes` (part of `file`) read as themselves: every byte below
/// 128 in a character set that keeps ASCII. Their characters are then the
/// bytes, and their UTF-8 too.
bool readsAsAscii(const SourceFile& file, const QByteArray& bytes);

/// True when `file`'s character set can hold every character of `text`.
bool canHold(const SourceFile& file, const QString& text);

/// `text` in `file`'s character set.
QByteArray encodeIn(const SourceFile& file, const QString& text);

#endif
