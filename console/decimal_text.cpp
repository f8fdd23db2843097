#include "console/decimal_text.h"

#include <cstring>

char* writeDecimal(char* out, quint32 number) {
  char digits[10];
  int at = sizeof digits;
  do {
    digits[--at] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  const int size = static_cast<int>(sizeof digits) - at;
  std::memcpy(out, digits + at, size_t(size));
  return out + size;
}

void appendDecimal(QString& text, quint32 number) {
  char digits[10];
  text += QLatin1String(digits, int(writeDecimal(digits, number) - digits));
}
