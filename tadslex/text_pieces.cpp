#include "tadslex/text_pieces.h"

#include <algorithm>
#include <cctype>

#include "tadslex/literal_body.h"

QVector<TextSpan> embeddedSpans(const QString& text, QuoteKind quote, TadsDialect dialect,
                                NewlineSpacing spacing, int depth) {
  QVector<TextSpan> spans;
  if (!text.contains(QLatin1String("<<"))) return spans;
  const QByteArray bytes = text.toUtf8();
  const LiteralCheck read = checkLiteralBody(bytes, quote, dialect, spacing, depth);
  // The lexer counts bytes of UTF-8, the text characters.
  const auto at = [&](int byte) { return int(QString::fromUtf8(bytes.constData(), byte).size()); };
  for (const TextSpan& part : read.embeddedAt) spans.append({at(part.begin), at(part.end)});
  return spans;
}

namespace {

bool isHexDigit(QChar c) { return c.unicode() < 128 && std::isxdigit(c.unicode()); }
bool isOctalDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('7'); }

/// The escapes both compilers define by one character after the backslash:
/// quotes, backslash, `<` and `>`, a kept space, line break, tab, blank line,
/// capital and small next letter.
bool isCommonEscape(QChar c) { return QStringLiteral("\"'\\<> ntb^v").contains(c); }

/// The escape whose backslash stands at `at`, as the compiler of `dialect`
/// reads it. Probe games showed: t3make takes `\r`, up to three octal digits,
/// `\u` with one to four hexadecimal digits and `\x` with one or two, and
/// prints any other escape (`\j`) as written; tadsc takes `\(`, `\)`, `\H+`,
/// `\H-` and `\-` with the two characters after it, and drops the backslash
/// of any other.
TextPiece escapeAt(const QString& text, int at, TadsDialect dialect) {
  TextPiece escape{PieceKind::Escape, at, at + 2, true};
  if (at + 1 >= text.size()) {
    escape.end = text.size();  // a lone backslash, refused where the literal is read
    return escape;
  }
  const QChar c = text[at + 1];
  const auto takeWhile = [&](int most, bool (*digit)(QChar)) {
    while (escape.end < most && escape.end < text.size() && digit(text[escape.end])) ++escape.end;
  };
  if (isCommonEscape(c)) return escape;
  if (dialect == TadsDialect::Tads2) {
    if (c == QLatin1Char('(') || c == QLatin1Char(')')) return escape;
    if (c == QLatin1Char('H') && at + 2 < text.size() &&
        (text[at + 2] == QLatin1Char('+') || text[at + 2] == QLatin1Char('-'))) {
      escape.end = at + 3;
    } else if (c == QLatin1Char('-') && at + 3 < text.size()) {
      escape.end = at + 4;  // the next two characters go to the output as they are
    } else {
      escape.defined = false;
    }
  } else if (isOctalDigit(c)) {
    takeWhile(at + 4, isOctalDigit);
  } else if (c == QLatin1Char('u') || c == QLatin1Char('x')) {
    takeWhile(at + (c == QLatin1Char('u') ? 6 : 4), isHexDigit);
    escape.defined = escape.end > at + 2;
  } else {
    escape.defined = c == QLatin1Char('r');
  }
  return escape;
}

/// Past the markup tag, pattern class (`<Alpha|-|&>`), HTML comment or XML
/// declaration at `at`, or `at` when none starts there: a `<` before its `>`
/// is text. A tag that holds an embedded part ends where the part starts.
int pastTag(const QString& text, int at, int partBegin) {
  int k = at + 1;
  if (k < text.size() && (text[k] == QLatin1Char('!') || text[k] == QLatin1Char('?'))) {
    ++k;
  } else {
    // `</q>`, `<.p>`, and the library's closing form `<./p0>`
    if (k < text.size() && text[k] == QLatin1Char('/')) ++k;
    if (k < text.size() && text[k] == QLatin1Char('.')) ++k;
    if (k < text.size() && text[k] == QLatin1Char('/') && text[at + 1] != QLatin1Char('/')) ++k;
    if (k >= text.size() || !text[k].isLetter()) return at;
  }
  for (; k < text.size(); ++k) {
    if (k == partBegin) return k;
    if (text[k] == QLatin1Char('>')) return k + 1;
    if (text[k] == QLatin1Char('<')) return at;
  }
  return at;
}

/// Past the `close` within `most` characters of `at`, every character
/// between passing `inside`, or `at`.
int pastClose(const QString& text, int at, QChar close, int most, bool (*inside)(QChar)) {
  const int limit = std::min(int(text.size()), at + most + 1);
  for (int k = at + 1; k < limit; ++k) {
    if (text[k] == close) return k > at + 1 ? k + 1 : at;
    if (!inside(text[k])) return at;
  }
  return at;
}

bool isEntityCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('#'); }
bool isLetter(QChar c) { return c.isLetter(); }

/// The piece that the `<`, `&`, `{` or `%` at `at` opens, ending at `at`
/// when it opens none.
TextPiece markupAt(const QString& text, int at, int partBegin, TadsDialect dialect,
                   unsigned reading) {
  const QChar c = text[at];
  const QChar next = at + 1 < text.size() ? text[at + 1] : QChar();
  const bool tads3 = dialect == TadsDialect::Tads3;
  if (c == QLatin1Char('<') && (reading & kReadTags))
    return {PieceKind::Tag, at, pastTag(text, at, partBegin)};
  if (c == QLatin1Char('&') && (reading & kReadEntities) &&
      (next.isLetter() || next == QLatin1Char('#'))) {
    return {PieceKind::Entity, at, pastClose(text, at, QLatin1Char(';'), 12, isEntityCharacter)};
  }
  if (c == QLatin1Char('{') && (reading & kReadParameters) && tads3) {
    if (next == QLatin1Char('{')) return {PieceKind::Text, at, at + 2};  // a brace the player sees
    const int close = text.indexOf(QLatin1Char('}'), at + 1);
    return {PieceKind::Parameter, at, close < 0 ? at : close + 1};
  }
  if (c == QLatin1Char('%') && (reading & kReadFormats) && !tads3)
    return {PieceKind::Format, at, pastClose(text, at, QLatin1Char('%'), 24, isLetter)};
  if (c == QLatin1Char('%') && (reading & kReadPatternEscapes) && at + 1 < partBegin)
    return {PieceKind::PatternEscape, at, at + 2};
  return {PieceKind::Text, at, at};
}

bool opensPiece(QChar c) { return QStringLiteral("\\<&{%").contains(c); }

}  // namespace

QVector<TextPiece> textPieces(const QString& text, const QVector<TextSpan>& embedded,
                              TadsDialect dialect, unsigned reading) {
  QVector<TextPiece> pieces;
  int part = 0;
  for (int at = 0; at < text.size(); at = pieces.last().end) {
    while (part < embedded.size() && embedded[part].end <= at) ++part;
    const int partBegin = part < embedded.size() ? embedded[part].begin : int(text.size());
    if (at >= partBegin) {
      pieces.append({PieceKind::Embedded, at, embedded[part].end});
      continue;
    }
    if (text[at] == QLatin1Char('\\')) {
      pieces.append(escapeAt(text, at, dialect));
      continue;
    }
    TextPiece piece = markupAt(text, at, partBegin, dialect, reading);
    if (piece.end == at) {
      piece = {PieceKind::Text, at, at + 1};
      while (piece.end < partBegin && !opensPiece(text[piece.end])) ++piece.end;
    }
    pieces.append(piece);
  }
  return pieces;
}
