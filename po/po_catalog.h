#ifndef BRISVANE_PO_PO_CATALOG_H
#define BRISVANE_PO_PO_CATALOG_H

#include <QString>
#include <QStringList>
#include <QVector>

/// One message of a PO file, as this tool writes and reads it.
struct PoEntry {
  bool hasContext = false;  ///< whether the entry has a msgctxt at all
  QString context;
  QString msgid;
  QString msgstr;
  QStringList references;  ///< "#:" places, each "path:line"
  QStringList comments;    ///< "#." lines, one per element
  bool fuzzy = false;
};

/// The header entry of a fresh template, with the fields gettext's extractor
/// writes (charset UTF-8, creation date now).
QString templateHeader();

/// Writes `header` and `entries`, in their order, as a UTF-8 PO file at
/// `path` through gettext's library. The file appears whole or not at all: it
/// is written beside `path` and renamed. On failure returns false with a
/// message naming the file.
bool writePoFile(const QString& path, const QString& header, const QVector<PoEntry>& entries,
                 QString& error);

/// Reads a PO file through gettext's library: every entry but the header,
/// obsolete and plural ones, texts decoded by the header's charset. On failure
/// returns false with gettext's own messages, each "file:line: message".
bool readPoFile(const QString& path, QVector<PoEntry>& entries, QString& error);

#endif
