#include "check/finding.h"

QString shown(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
  text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
  text.replace(QChar(0x00A0), QLatin1String("&nbsp;"));
  return text;
}
