#ifndef BRISVANE_PATCH_COPY_PATCHER_H
#define BRISVANE_PATCH_COPY_PATCHER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "scan/document_model.h"

/// The patched copy of one source file, made from its bytes: the lines that
/// rows point at are decoded, patched and encoded again; every other line is
/// copied as it stands (code page 1251 maps each byte to a character and
/// back). The outcome equals patchLines on the decoded lines, joined by
/// CR LF and encoded, warnings (appended to `warnings`) included.
///
/// `source` is the file's code page 1251 text with carriage returns already
/// dropped. Returns false when a patched line holds a character code page
/// 1251 lacks; `text` then holds the whole patched text (lines joined by
/// CR LF) for the codec, and `copy` is unspecified.
bool patchCopy(const QByteArray& source, const FileEntry& file, QByteArray& copy, QString& text,
               QStringList& warnings);

#endif
