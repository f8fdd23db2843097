#include "check/console_silencer.h"

namespace {

QStringList& collected() {
  static QStringList lines;
  return lines;
}

void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
  collected().append(message);
}

}  // namespace

ConsoleSilencer::ConsoleSilencer() : previous_(qInstallMessageHandler(collect)) {
  collected().clear();
}

ConsoleSilencer::~ConsoleSilencer() {
  qInstallMessageHandler(previous_);
  collected().clear();
}

QStringList ConsoleSilencer::lines() const { return collected(); }
