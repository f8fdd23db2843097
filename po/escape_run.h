#ifndef BRISVANE_PO_ESCAPE_RUN_H
#define BRISVANE_PO_ESCAPE_RUN_H

#include <QString>

/// The number of backslashes standing straight before index `at` of `text`:
/// an odd count means the character at `at` is escaped.
int backslashesBefore(const QString& text, int at);

#endif
