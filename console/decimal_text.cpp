#include "console/decimal_text.h"

char* writeDecimal(char* out, quint32 number) {
  int digits = 1;
  for (quint32 bound = 10; digits < 10 && number >= bound; bound *= 10) ++digits;
  char* const end = out + digits;
  char* at = end;
  do {
    *--at = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  return end;
}

void appendDecimal(QString& text, quint32 number) {
  char digits[10];
  text += QLatin1String(digits, int(writeDecimal(digits, number) - digits));
}
