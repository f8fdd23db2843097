#ifndef BRISVANE_CONSOLE_DECIMAL_TEXT_H
#define BRISVANE_CONSOLE_DECIMAL_TEXT_H

#include <QString>

/// Writes `number` in decimal, without sign or leading zeros, at `out`
/// (room for 10 digits) and returns the end of the digits.
char* writeDecimal(char* out, quint32 number);

/// Appends `number` in decimal, without sign or leading zeros, to `text`;
/// the same digits as QString::number, without a string of their own (rows
/// and console lines write two numbers each).
void appendDecimal(QString& text, quint32 number);

#endif
