#ifndef BRISVANE_SCAN_LITERAL_SCANNER_H
#define BRISVANE_SCAN_LITERAL_SCANNER_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "scan/document_model.h"

/// Where one closed literal's content lies in a masked line (quotes excluded).
struct LiteralSpan {
  int begin = 0;  ///< index of the first character after the opening quote
  int end = 0;    ///< index of the closing quote
  bool doubleQuoted = false;
};

/// A line after escaped quotes were masked, with the literals the quote
/// scanner found in it. Get mode and the line patcher both read lines through
/// this, so that their literal numbering agrees by construction.
struct ScannedLine {
  QString masked;                 ///< the line with "<DQUOTE>" and "<SQUOTE>" markers
  QVector<LiteralSpan> literals;  ///< closed literals, left to right
  bool unterminated = false;      ///< the line ends inside a literal
};

/// An escaped quote in its three spellings: the marker that stands for it
/// while a line is scanned, the entity a document holds for it in a
/// double-quoted literal, and the source's escape.
struct EscapedQuote {
  const char* marker;
  const char* entity;
  const char* escape;
  char quote;
};

/// The two escaped quotes, the double quote first: the order in which every
/// conversion below goes.
inline constexpr EscapedQuote kEscapedQuotes[2] = {{"<DQUOTE>", "&quot;", "\\\"", '"'},
                                                   {"<SQUOTE>", "&apos;", "\\'", '\''}};

/// Replaces every backslash-double-quote with "<DQUOTE>", then every
/// backslash-apostrophe with "<SQUOTE>", so escaped quotes never delimit.
QString maskEscapedQuotes(QString line);

/// The markers of a masked text turned back into the source's escapes.
QString unmaskEscapedQuotes(QString masked);

/// The markers of a masked text turned into the entities a document holds.
QString markersToEntities(QString masked);

/// The entities a document holds for escaped quotes turned into the escapes.
QString entitiesToEscapes(QString text);

/// Masks `line` and runs the three-state quote scanner over it.
ScannedLine scanLine(const QString& line);

/// Appends the literals of one line as rows to the last chunk of `file`
/// (which must exist), or nothing (with the multi-line warning appended to
/// `warnings`) when the line ends inside a literal.
void appendLineLiterals(const QString& line, quint32 lineIndex, FileEntry& file,
                        QStringList& warnings);

/// The literals of one line as entries of their own (appendLineLiterals).
QList<LineEntry> extractLineLiterals(const QString& line, quint32 lineIndex, QStringList& warnings);

#endif
