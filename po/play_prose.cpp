#include "po/play_prose.h"

QVector<TextSpan> proseWords(const QString& text, QuoteKind quote, TadsDialect dialect) {
  const unsigned code = kReadTags | kReadEntities | kReadParameters | kReadFormats;
  QVector<TextSpan> words;
  for (const TextPiece& piece :
       textPieces(text, embeddedSpans(text, quote, dialect), dialect, code)) {
    for (int at = piece.begin; piece.kind == PieceKind::Text && at < piece.end;) {
      int end = at;
      while (end < piece.end && text[end].isLetter()) ++end;
      if (end > at) words.append({at, end});
      at = end + 1;
    }
  }
  return words;
}
