#ifndef BRISVANE_CONSOLE_CONSOLE_LINE_H
#define BRISVANE_CONSOLE_CONSOLE_LINE_H

#include <QString>
#include <QStringList>
#include <QStringView>

/// A text value that a console line shows inside plain double quotes.
struct Quoted {
  QStringView text;
};

/// Marks a path, a name, an option value or a line of source as a quoted
/// value, for the console line being built.
inline Quoted quoted(QStringView text) { return Quoted{text}; }

/// Builds one console line from pieces and sends it to the debug channel when
/// it goes out of scope. Every piece is followed by one space, the last one
/// included; fixed texts stand unchanged, quoted values stand in double quotes
/// with nothing escaped, numbers in decimal.
///
///   ConsoleLine() << "Scanning: " << quoted(path);   // Scanning:  "game"
class ConsoleLine {
 public:
  ConsoleLine() { line_.reserve(64); }
  /// A line that goes into `notes` instead: for a unit whose caller decides
  /// whether its lines are printed (printLines).
  explicit ConsoleLine(QStringList& notes) : notes_(&notes) {}
  ConsoleLine(const ConsoleLine&) = delete;
  ConsoleLine& operator=(const ConsoleLine&) = delete;
  ~ConsoleLine();

  ConsoleLine& operator<<(const char* fixed);
  ConsoleLine& operator<<(const QString& fixed);
  ConsoleLine& operator<<(const Quoted& value);
  ConsoleLine& operator<<(quint32 number);
  ConsoleLine& operator<<(int number);

  /// The line as it stands so far.
  const QString& text() const { return line_; }

 private:
  QString line_;
  QStringList* notes_ = nullptr;
};

/// Sends every line of `notes` to the debug channel, in order.
void printLines(const QStringList& notes);

/// Console lines of ASCII characters gathered and sent in large pieces, as
/// console lines of the same characters would be sent one by one: for a
/// line per row of a large document, without a string or a write per line.
/// Flush before any other line is sent; it flushes when it goes out of scope.
class AsciiLines {
 public:
  AsciiLines() = default;
  AsciiLines(const AsciiLines&) = delete;
  AsciiLines& operator=(const AsciiLines&) = delete;
  ~AsciiLines() { flush(); }

  /// Room for a line of at most `size` bytes, line feed included; the
  /// line is taken with `finishLine` just behind its line feed.
  char* room(int size);
  void finishLine(char* lineEnd) { size_ = int(lineEnd - buffer_.data()); }
  /// Appends `fixed`, then `text` in double quotes and a space (as a console
  /// line of those pieces shows them) and a line feed; false, with nothing
  /// appended, when `text` holds a character beyond ASCII.
  bool appendQuoted(const char* fixed, QStringView text);
  void flush();

 private:
  QByteArray buffer_;
  int size_ = 0;
};

/// Sends every debug message to standard error as UTF-8, verbatim, followed by
/// one line feed. Installed once at start by the entry point, for the life of
/// the process; console lines then reach it without the channel's dispatch.
void installConsoleHandler();

#endif
