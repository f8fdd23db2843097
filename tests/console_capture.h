#ifndef BRISVANE_TESTS_CONSOLE_CAPTURE_H
#define BRISVANE_TESTS_CONSOLE_CAPTURE_H

#include <QString>
#include <QtGlobal>

/// Collects every debug message sent while it lives, each followed by a line
/// feed, exactly as the console handler writes them to standard error.
class ConsoleCapture {
 public:
  ConsoleCapture() : previous_(qInstallMessageHandler(&ConsoleCapture::collect)) {
    captured().clear();
  }
  ~ConsoleCapture() { qInstallMessageHandler(previous_); }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  /// Everything captured so far.
  QString text() const { return captured(); }

 private:
  static QString& captured() {
    static QString text;
    return text;
  }
  static void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    captured() += message + QLatin1Char('\n');
  }
  QtMessageHandler previous_;
};

#endif
