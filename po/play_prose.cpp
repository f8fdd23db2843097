#include "po/play_prose.h"

#include "tadslex/literal_body.h"

namespace {

bool isHex(QChar c) {
  return c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

/// Past the escape whose backslash stands at `at`.
int pastEscape(const QString& text, int at) {
  int end = at + 2;
  if (end > text.size()) return text.size();
  const QChar kind = text[at + 1];
  const int digits = kind == QLatin1Char('u') ? 4 : kind == QLatin1Char('x') ? 2 : 0;
  for (int i = 0; i < digits && end < text.size() && isHex(text[end]); ++i) ++end;
  if (kind >= QLatin1Char('0') && kind <= QLatin1Char('7')) {
    while (end < text.size() && end < at + 4 && text[end] >= QLatin1Char('0') &&
           text[end] <= QLatin1Char('7')) {
      ++end;
    }
  }
  return end;
}

/// Past a markup tag, entity, parameter or format opening at `at`, or `at`
/// when none opens there.
int pastMarkup(const QString& text, int at, TadsDialect dialect) {
  const QChar c = text[at];
  const QChar next = at + 1 < text.size() ? text[at + 1] : QChar();
  const auto closeAt = [&](QChar close, int limit) {
    const int end = text.indexOf(close, at + 1);
    return end < 0 || end - at > limit ? at : end + 1;
  };
  if (c == QLatin1Char('<') &&
      (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('.') ||
       next == QLatin1Char('!') || next == QLatin1Char('?'))) {
    return closeAt(QLatin1Char('>'), text.size());
  }
  if (c == QLatin1Char('&') && (next.isLetter() || next == QLatin1Char('#'))) {
    const int end = closeAt(QLatin1Char(';'), 12);
    for (int i = at + 1; i + 1 < end; ++i) {
      if (!text[i].isLetterOrNumber() && text[i] != QLatin1Char('#')) return at;
    }
    return end;
  }
  if (c == QLatin1Char('{') && dialect == TadsDialect::Tads3) {
    return closeAt(QLatin1Char('}'), text.size());
  }
  if (c == QLatin1Char('%') && dialect == TadsDialect::Tads2 && next.isLetter()) {
    const int end = closeAt(QLatin1Char('%'), 24);
    for (int i = at + 1; i + 1 < end; ++i) {
      if (!text[i].isLetter()) return at;
    }
    return end;
  }
  return at;
}

/// Where the `<<...>>` parts of `text` stand, in order.
QVector<TextSpan> embeddedSpans(const QString& text, QuoteKind quote, TadsDialect dialect) {
  QVector<TextSpan> spans;
  if (!text.contains(QLatin1String("<<"))) return spans;
  const LiteralCheck read = checkLiteralBody(text.toUtf8(), quote, dialect);
  int from = 0;
  for (const QByteArray& part : read.embedded) {
    const QString source = QString::fromUtf8(part);
    const int at = text.indexOf(source, from);
    if (at < 0) break;
    spans.append({at, at + source.size()});
    from = at + source.size();
  }
  return spans;
}

}  // namespace

QVector<TextSpan> proseWords(const QString& text, QuoteKind quote, TadsDialect dialect) {
  QVector<TextSpan> words;
  const QVector<TextSpan> parts = embeddedSpans(text, quote, dialect);
  int part = 0;
  int at = 0;
  while (at < text.size()) {
    if (part < parts.size() && at >= parts[part].begin) {
      at = std::max(at, parts[part++].end);
      continue;
    }
    const int limit = part < parts.size() ? parts[part].begin : text.size();
    if (text[at] == QLatin1Char('\\')) {
      at = pastEscape(text, at);
      continue;
    }
    const int past = pastMarkup(text, at, dialect);
    if (past > at) {
      at = past;
      continue;
    }
    if (!text[at].isLetter()) {
      ++at;
      continue;
    }
    int end = at;
    while (end < limit && text[end].isLetter()) ++end;
    words.append({at, end});
    at = end;
  }
  return words;
}
