#ifndef BRISVANE_TADSLEX_TEXT_PIECES_H
#define BRISVANE_TADSLEX_TEXT_PIECES_H

#include <QString>
#include <QVector>

#include "tadslex/tads_lexer.h"

/// A span of characters in a text.
struct TextSpan {
  int begin = 0;
  int end = 0;
};

/// What a piece of a literal's text is to the compiler and to the library
/// that prints it.
enum class PieceKind {
  Text,           ///< characters printed as written
  Escape,         ///< a backslash and what the compiler reads with it: `\n`, `\u00e9`
  Embedded,       ///< a `<<...>>` part: code
  Tag,            ///< a markup tag or pattern class: `<.p>`, `<./parser>`, `<Alpha|-|&>`
  Entity,         ///< `&nbsp;`, `&#38;`
  Parameter,      ///< a TADS 3 message parameter in braces: `{The dobj/he}`
  Format,         ///< a TADS 2 format string between percent signs: `%You%`
  PatternEscape,  ///< a pattern's `%` with the character after it: `%<`, `%w`
};

struct TextPiece {
  PieceKind kind = PieceKind::Text;
  int begin = 0;
  int end = 0;
  /// False for an escape the compiler does not define (`\j`) or a `\u` or
  /// `\x` without digits: the player sees something else than meant.
  bool defined = true;
};

/// The pieces a reader tells apart from text, as flags; escapes and
/// embedded parts every reader tells apart. A piece not asked for is text.
enum PieceReading : unsigned {
  kReadTags = 1u << 0,
  kReadEntities = 1u << 1,
  kReadParameters = 1u << 2,  ///< in TADS 3
  kReadFormats = 1u << 3,     ///< in TADS 2
  kReadPatternEscapes = 1u << 4,
};

/// Where the `<<...>>` parts of `text` stand, as the lexer reads `text`
/// between the quotes of `quote` at a place where `spacing` is in force
/// (`depth` > 0 inside an embedded expression); none when it does not read
/// back as one literal.
QVector<TextSpan> embeddedSpans(const QString& text, QuoteKind quote, TadsDialect dialect,
                                NewlineSpacing spacing = NewlineSpacing::Collapse, int depth = 0);

/// Every piece of `text`, in order, from its first character to its last:
/// `embedded` are its `<<...>>` parts, `reading` the PieceReading flags.
/// Escapes take the characters the compiler of `dialect` reads with them.
QVector<TextPiece> textPieces(const QString& text, const QVector<TextSpan>& embedded,
                              TadsDialect dialect, unsigned reading);

#endif
