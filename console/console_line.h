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

/// Sends one line of `size` ASCII bytes to the debug channel, as a console
/// line of the same characters would: for a line per row of a large
/// document, without building a string.
void printAsciiLine(const char* line, int size);

/// Sends every debug message to standard error as UTF-8, verbatim, followed by
/// one line feed. Installed once at start by the entry point, for the life of
/// the process; console lines then reach it without the channel's dispatch.
void installConsoleHandler();

#endif
