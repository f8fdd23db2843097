#include "console/decimal_text.h"

void appendDecimal(QString& text, quint32 number) {
  char digits[10];
  int at = sizeof digits;
  do {
    digits[--at] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  text += QLatin1String(digits + at, static_cast<int>(sizeof digits) - at);
}
