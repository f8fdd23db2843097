#include "console/console_line.h"

#include <QByteArray>
#include <QDebug>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "console/decimal_text.h"

namespace {

bool handlerInstalled = false;

void writeToStandardError(QtMsgType, const QMessageLogContext&, const QString& message) {
  // Most lines are short and ASCII: those skip the conversion's allocation.
  char ascii[256];
  const int size = message.size();
  if (size < int(sizeof ascii)) {
    const QChar* chars = message.constData();
    int at = 0;
    while (at < size && chars[at].unicode() < 0x80) {
      ascii[at] = static_cast<char>(chars[at].unicode());
      ++at;
    }
    if (at == size) {
      ascii[size] = '\n';
      std::fwrite(ascii, 1, static_cast<size_t>(size + 1), stderr);
      return;
    }
  }
  QByteArray bytes = message.toUtf8();
  bytes += '\n';
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

// Debug messages of the default category can be switched off by the
// logging rules (QT_LOGGING_RULES and the like), as the channel would.
bool debugEnabled() { return QLoggingCategory::defaultCategory()->isDebugEnabled(); }

// Straight into the debug channel, as the debug stream would send the
// finished line (large documents print a line per row, and the stream costs
// more than the line); with the tool's own handler in force, straight to it.
void send(const QString& line) {
  if (!handlerInstalled) {
    qt_message_output(QtDebugMsg, QMessageLogContext(), line);
  } else if (debugEnabled()) {
    writeToStandardError(QtDebugMsg, QMessageLogContext(), line);
  }
}

}  // namespace

ConsoleLine::~ConsoleLine() {
  if (notes_) {
    notes_->append(line_);
  } else {
    send(line_);
  }
}

void printLines(const QStringList& notes) {
  for (const QString& line : notes) send(line);
}

char* AsciiLines::room(int size) {
  if (size_ + size > buffer_.size()) {
    if (size_ > (1 << 16)) flush();
    buffer_.resize(qMax(size_ + size, 1 << 17));
  }
  return buffer_.data() + size_;
}

bool AsciiLines::appendQuoted(const char* fixed, QStringView text) {
  const int fixedSize = int(std::strlen(fixed));
  char* at = room(fixedSize + int(text.size()) + 5);
  std::memcpy(at, fixed, size_t(fixedSize));
  at += fixedSize;
  *at++ = ' ';
  *at++ = '"';
  for (const QChar c : text) {
    if (c.unicode() >= 0x80) return false;
    *at++ = char(c.unicode());
  }
  *at++ = '"';
  *at++ = ' ';
  *at++ = '\n';
  finishLine(at);
  return true;
}

void AsciiLines::flush() {
  if (size_ == 0) return;
  if (!handlerInstalled) {
    for (const QByteArray& line :
         QByteArray::fromRawData(buffer_.constData(), size_ - 1).split('\n')) {
      send(QString::fromLatin1(line));
    }
  } else if (debugEnabled()) {
    std::fwrite(buffer_.constData(), 1, size_t(size_), stderr);
  }
  size_ = 0;
}

ConsoleLine& ConsoleLine::operator<<(const char* fixed) {
  const int size = int(std::strlen(fixed));
  const bool ascii = std::all_of(fixed, fixed + size, [](char c) { return uchar(c) < 0x80; });
  if (ascii) {
    line_ += QLatin1String(fixed, size);
  } else {
    line_ += QString::fromUtf8(fixed, size);
  }
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
  appendDecimal(line_, number);
  line_ += QLatin1Char(' ');
  return *this;
}

ConsoleLine& ConsoleLine::operator<<(int number) {
  line_ += QString::number(number);
  line_ += QLatin1Char(' ');
  return *this;
}

void installConsoleHandler() {
  // A large project prints a line per file and per row: buffer standard
  // error instead of paying a write per line. The buffer is flushed at exit.
  static char buffer[1 << 16];
  std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
  qInstallMessageHandler(writeToStandardError);
  handlerInstalled = true;
}
