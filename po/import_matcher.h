#ifndef BRISVANE_PO_IMPORT_MATCHER_H
#define BRISVANE_PO_IMPORT_MATCHER_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include "tadslex/tads_lexer.h"

/// One literal as get mode's line scanner sees it: the position a document
/// row names, where its body begins on the line, and the text get mode
/// writes for it.
struct GetModeLiteral {
  int column = 0;  ///< 0-based index, in the decoded line, of the first character after the quote
  bool doubleQuoted = false;
  QString text;  ///< as get mode writes it into a document
};

/// The get-mode literals of one file, by their row key (see positionKey).
using GetModeLiterals = QHash<quint64, GetModeLiteral>;

/// The key of a position: 0-based line index and a second index (the
/// literal's index on the line, or a column).
inline quint64 positionKey(quint32 lineIndex, quint32 second) {
  return (static_cast<quint64>(lineIndex) << 32) | second;
}

/// Runs get mode's own line scanner over a file's text as get mode decoded it
/// (readSourceFile): every closed literal of every line that does not end
/// inside a literal, keyed by (line index, literal index on the line). Lines
/// before the file's first definition header are scanned too, so a position
/// is found whatever chunk the document put it in. Prints nothing.
GetModeLiterals getModeLiterals(const QString& text);

/// The lexer's literals that open and close on one line, keyed by
/// (0-based line, column of the body's first character in the line as get
/// mode decodes the file: code page 1251, or UTF-8 after a UTF-8 byte-order
/// mark, carriage returns dropped). Values index `literals`.
QHash<quint64, int> singleLineLiteralPositions(const QByteArray& source,
                                               const QVector<TadsLiteral>& literals);

#endif
