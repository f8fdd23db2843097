#include "po/escape_run.h"

int backslashesBefore(const QString& text, int at) {
  int count = 0;
  while (at - count - 1 >= 0 && text[at - count - 1] == QLatin1Char('\\')) ++count;
  return count;
}
