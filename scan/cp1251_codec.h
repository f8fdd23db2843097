#ifndef BRISVANE_SCAN_CP1251_CODEC_H
#define BRISVANE_SCAN_CP1251_CODEC_H

#include <QByteArray>
#include <QString>
#include <QStringView>

/// Code page 1251 holds one character per byte, so it is decoded and encoded
/// with a fixed table instead of a general converter. The table agrees with
/// Qt's "CP1251" codec on every byte value (0x98, which the code page leaves
/// unassigned, reads as U+0098).

/// The name of Qt's codec for the code page, for a text stream: it replaces
/// the characters the code page lacks as the tool always has.
constexpr char kCp1251CodecName[] = "CP1251";

/// The characters of `size` bytes of code page 1251 text.
QString decodeCp1251(const char* data, int size);

/// decodeCp1251, appending to `text`.
void appendDecodedCp1251(const char* data, int size, QString& text);

/// Encodes `text` into `bytes` and returns true when every character has a
/// byte of its own. False (with `bytes` unspecified) when the text holds any
/// other character: Qt's codec drops some of them and replaces others, so
/// such a text must go through the codec.
bool encodeCp1251(QStringView text, QByteArray& bytes);

/// encodeCp1251, appending to `bytes`.
bool appendCp1251(QStringView text, QByteArray& bytes);

/// encodeCp1251 into `out`, room for as many bytes as `text` has characters.
bool encodeCp1251(QStringView text, char* out);

#endif
