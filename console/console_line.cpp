#include "console/console_line.h"

#include <QByteArray>
#include <QDebug>
#include <cstdio>

ConsoleLine::~ConsoleLine() {
  // noquote/nospace: the line is already in its final shape, and Qt must
  // neither escape the quotes nor drop the trailing space.
  qDebug().noquote().nospace() << line_;
}

ConsoleLine& ConsoleLine::operator<<(const char* fixed) {
  line_ += QString::fromUtf8(fixed);
  line_ += QLatin1Char(' ');
  return *this;
}

ConsoleLine& ConsoleLine::operator<<(const QString& fixed) {
  line_ += fixed;
  line_ += QLatin1Char(' ');
  return *this;
}

ConsoleLine& ConsoleLine::operator<<(const Quoted& value) {
  line_ += QLatin1Char('"');
  line_ += value.text;
  line_ += QLatin1String("\" ");
  return *this;
}

ConsoleLine& ConsoleLine::operator<<(quint32 number) {
  line_ += QString::number(number);
  line_ += QLatin1Char(' ');
  return *this;
}

ConsoleLine& ConsoleLine::operator<<(int number) {
  line_ += QString::number(number);
  line_ += QLatin1Char(' ');
  return *this;
}

namespace {

void writeToStandardError(QtMsgType, const QMessageLogContext&, const QString& message) {
  QByteArray bytes = message.toUtf8();
  bytes += '\n';
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

}  // namespace

void installConsoleHandler() {
  // A large project prints a line per file and per row: buffer standard
  // error instead of paying a write per line. The buffer is flushed at exit.
  static char buffer[1 << 16];
  std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
  qInstallMessageHandler(writeToStandardError);
}
