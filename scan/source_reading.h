#ifndef BRISVANE_SCAN_SOURCE_READING_H
#define BRISVANE_SCAN_SOURCE_READING_H

#include <QByteArray>
#include <QString>

/// Reads a source file's bytes whole, as they stand. False when it cannot
/// be opened.
bool readSourceBytes(const QString& path, QByteArray& bytes);

/// Drops every carriage return, a lone one too, as reading code page 1251
/// text in text mode does.
void dropCarriageReturns(QByteArray& bytes);

/// The text of a source file's bytes as a text stream in text mode reads it:
/// code page 1251 unless a byte-order mark names another encoding, every
/// carriage return dropped.
QString decodeSourceBytes(QByteArray bytes);

/// Reads a source file whole, in text mode, as code page 1251 (a byte-order
/// mark takes precedence). False when it cannot be opened.
bool readSourceFile(const QString& path, QString& text);

#endif
