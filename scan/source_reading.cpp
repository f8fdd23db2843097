#include "scan/source_reading.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>
#include <cstring>
#include <utility>

#include "scan/byte_order_mark.h"
#include "scan/cp1251_codec.h"

bool readSourceBytes(const QString& path, QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  bytes = file.readAll();
  return true;
}

void dropCarriageReturns(QByteArray& bytes) {
  const char* found =
      static_cast<const char*>(std::memchr(bytes.constData(), '\r', size_t(bytes.size())));
  if (!found) return;
  // Moves each run between carriage returns down over them.
  char* const begin = bytes.data();
  char* const end = begin + bytes.size();
  char* written = begin + (found - bytes.constData());
  for (char* run = written + 1; run < end;) {
    char* next = static_cast<char*>(std::memchr(run, '\r', size_t(end - run)));
    if (!next) next = end;
    std::memmove(written, run, size_t(next - run));
    written += next - run;
    run = next + 1;
  }
  bytes.truncate(int(written - begin));
}

QString decodeSourceBytes(QByteArray bytes) {
  if (!startsWithByteOrderMark(bytes)) {
    dropCarriageReturns(bytes);
    return decodeCp1251(bytes.constData(), bytes.size());
  }
  // A byte-order mark makes a text stream follow it instead of the code
  // page; in text mode it drops the carriage returns once decoded.
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly | QIODevice::Text);
  QTextStream stream(&buffer);
  stream.setCodec(kCp1251CodecName);
  return stream.readAll();
}

bool readSourceFile(const QString& path, QString& text) {
  QByteArray bytes;
  if (!readSourceBytes(path, bytes)) return false;
  text = decodeSourceBytes(std::move(bytes));
  return true;
}
