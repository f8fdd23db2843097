#ifndef BRISVANE_TESTS_REFERENCE_PATHS_H
#define BRISVANE_TESTS_REFERENCE_PATHS_H

// The plain ways the fast paths are held to, shared by the unit tests and the
// fuzz targets: the classic regular expressions, the text way of patching and
// the normalising way of reading a document.

#include <QBuffer>
#include <QRegExp>
#include <QStringList>
#include <QTextCodec>
#include <QTextStream>

#include "console_capture.h"
#include "formats/document_format.h"
#include "formats/serialize_formatter.h"
#include "patch/copy_patcher.h"
#include "patch/document_reader.h"
#include "patch/patch_walk.h"
#include "scan/cp1251_codec.h"

namespace reference {

/// Whether one of the four chunk header expressions matches all of `line`.
inline bool matchesHeaderPattern(const QString& line) {
  static QRegExp patterns[] = {QRegExp("\\s*\\w+\\s*:\\s*function\\s+\\w+"),
                               QRegExp("\\s*\\w+\\s*:\\s*\\w+"), QRegExp("\\s*modify\\s*\\w+"),
                               QRegExp("\\s*replace\\s*\\w+")};
  for (QRegExp& pattern : patterns) {
    if (pattern.exactMatch(line)) return true;
  }
  return false;
}

/// The nine HTML clean-up steps as the classic expression engine performs them.
inline QString normaliseWithRegExps(QString document) {
  auto replace = [&document](const char* pattern, bool minimal, const char* with = "") {
    QRegExp regExp(QString::fromLatin1(pattern));
    regExp.setMinimal(minimal);
    document.replace(regExp, QString::fromLatin1(with));
  };
  replace("<style type=\"text/css\">.*</style>", true);
  replace("\\s*class=\"\\w+\"", false);
  replace("<a\\s+id=.*</a>", true);
  for (const char* text : {"<p>", "</p>"}) document.remove(QString::fromLatin1(text));
  replace("<meta.*>", true);
  for (const char* text : {"&nbsp;", " width=10%"}) document.remove(QString::fromLatin1(text));
  replace("<span>(.*)</span>", true, "\\1");
  return document;
}

inline QByteArray encodedCp1251(const QString& text) {
  return QTextCodec::codecForName("CP1251")->fromUnicode(text);
}

/// The text way of patching a file: decode, split at line feeds, patch line
/// by line, join with CR LF, encode with the codec. Its warnings go to
/// `warnings`.
inline QByteArray patchedAsText(const QByteArray& source, const FileEntry& file,
                                QStringList& warnings) {
  QStringList lines = decodeCp1251(source.constData(), source.size()).split('\n');
  warnings = patchLines(lines, file);
  return encodedCp1251(lines.join("\r\n"));
}

/// The copy patched from the bytes; `encoded` tells whether no fallback to
/// the codec was needed.
inline QByteArray patchedFromBytes(const QByteArray& source, const FileEntry& file, bool& encoded,
                                   QStringList& warnings) {
  QByteArray copy;
  QString text;
  encoded = patchCopy(source, file, copy, text, warnings);
  return encoded ? copy : encodedCp1251(text);
}

/// A file of chunks given as (name, rows).
inline FileEntry fileOf(const QString& name,
                        const QList<QPair<QString, QList<LineEntry>>>& chunks) {
  FileEntry file;
  file.name = name;
  for (const auto& chunk : chunks) {
    file.appendChunk(chunk.first);
    for (const LineEntry& row : chunk.second) file.appendRow(row);
  }
  return file;
}

/// Every field of every record, one line each, for comparing two readings;
/// names and texts come last behind their lengths, so no two models read alike.
inline QString described(const DocumentModel& model) {
  QString text;
  for (const FileEntry& file : model) {
    text += QString("F %1 ").arg(file.name.size()) + file.name + '\n';
    for (const ChunkEntry& chunk : file.chunks) {
      text += QString("C %1 ").arg(chunk.name.size) + file.nameOf(chunk).toString() + '\n';
      for (const LineRecord& row : file.rowsOf(chunk)) {
        text += QString("L %1 %2 %3 %4 ")
                    .arg(row.doubleQuoted)
                    .arg(row.lineIndex)
                    .arg(row.literalIndex)
                    .arg(row.text.size) +
                file.textOf(row).toString() + '\n';
      }
    }
  }
  return text;
}

/// The records and console lines of reading `bytes` in `format` as new mode
/// does, or only the normalising way; "--" separates the two.
inline QString readBack(DocumentFormat format, QByteArray bytes, bool normalisingOnly) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QTextStream in(&buffer);
  SerializeFormatter& formatter = formatterFor(format);
  formatter.setStreamCodec(in);
  DocumentModel model;
  ConsoleCapture console;
  if (normalisingOnly) {
    printReaderLines(model, readNormalisedDocument(formatter.preprocess(in.readAll()), model));
  } else {
    readDocument(in, model, formatter);
  }
  return described(model) + "--\n" + console.text();
}

}  // namespace reference

#endif
