#ifndef BRISVANE_CONSOLE_CONSOLE_LINE_H
#define BRISVANE_CONSOLE_CONSOLE_LINE_H

#include <QString>
#include <QStringList>

/// A text value that a console line shows inside plain double quotes.
struct Quoted {
  QString text;
};

/// Marks a path, a name, an option value or a line of source as a quoted value.
inline Quoted quoted(const QString& text) { return Quoted{text}; }

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

/// Sends every debug message to standard error as UTF-8, verbatim, followed by
/// one line feed. Installed once at start by the entry point.
void installConsoleHandler();

#endif
