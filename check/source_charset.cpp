#include "check/source_charset.h"

#include <QRegExp>

namespace {

struct Mark {
  const char* bytes;
  const char* name;
};

const Mark kMarks[] = {{"\xEF\xBB\xBF", "utf-8"}, {"\xFE\xFF", "utf-16be"}, {"\xFF\xFE", "utf-16le"}};

}  // namespace

SourceCharset sourceCharset(const QByteArray& bytes) {
  SourceCharset charset;
  int start = 0;
  for (const Mark& mark : kMarks) {
    if (!bytes.startsWith(mark.bytes)) continue;
    charset.name = QString::fromLatin1(mark.name);
    charset.byteOrderMark = true;
    start = static_cast<int>(qstrlen(mark.bytes));
    break;
  }
  if (!charset.byteOrderMark) {
    QRegExp line(QStringLiteral("#charset\\s+\"([^\"\r\n]*)\""));
    if (line.indexIn(QString::fromLatin1(bytes.left(200))) == 0) charset.name = line.cap(1);
  }
  for (int i = start; i < bytes.size() && !charset.beyondAscii; ++i) {
    charset.beyondAscii = static_cast<unsigned char>(bytes[i]) > 127;
  }
  return charset;
}

bool namesCodePage1251(const QString& name) {
  const QString lower = name.trimmed().toLower();
  return lower == QLatin1String("cp1251") || lower == QLatin1String("windows-1251") ||
         lower == QLatin1String("cp-1251");
}
