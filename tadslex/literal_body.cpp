#include "tadslex/literal_body.h"

#include <algorithm>

#include "tadslex/control_form.h"
#include "tadslex/lex_state.h"
#include "tadslex/literal_reader.h"

namespace {

QByteArray quotesOf(QuoteKind quote) {
  switch (quote) {
    case QuoteKind::Double:
      return QByteArrayLiteral("\"");
    case QuoteKind::Single:
      return QByteArrayLiteral("'");
    case QuoteKind::TripleDouble:
      return QByteArrayLiteral("\"\"\"");
    case QuoteKind::TripleSingle:
      return QByteArrayLiteral("'''");
  }
  return QByteArrayLiteral("\"");
}

QString describe(QuoteKind quote) {
  switch (quote) {
    case QuoteKind::Double:
      return QStringLiteral("a double-quoted literal");
    case QuoteKind::Single:
      return QStringLiteral("a single-quoted literal");
    case QuoteKind::TripleDouble:
      return QStringLiteral("a triple-double-quoted literal");
    case QuoteKind::TripleSingle:
      return QStringLiteral("a triple-single-quoted literal");
  }
  return QString();
}

}  // namespace

LiteralCheck checkLiteralBody(const QByteArray& body, QuoteKind quote, TadsDialect dialect,
                              NewlineSpacing spacing, int depth) {
  LiteralCheck check;
  bool triple = quote == QuoteKind::TripleDouble || quote == QuoteKind::TripleSingle;
  if (triple && dialect == TadsDialect::Tads2) {
    check.problem = QStringLiteral("TADS 2 has no triple-quoted literals");
    return check;
  }
  QByteArray quotes = quotesOf(quote);
  QByteArray source = quotes + body + quotes;
  LexResult result;
  LexState state(source, dialect, &result);
  state.spacing = spacing;
  if (!readLiteral(state, depth)) {
    check.problem = result.problems.isEmpty() ? QStringLiteral("the literal does not close")
                                              : result.problems.first().message;
    return check;
  }
  const TadsLiteral& lit = result.literals.first();
  if (state.pos != source.size() || lit.bodyEnd != quotes.size() + body.size() ||
      lit.quote != quote) {
    check.problem = QStringLiteral("the text closes %1 before its end").arg(describe(quote));
    return check;
  }
  check.ok = true;
  check.text = lit.text;
  for (const EmbeddedPart& part : lit.embedded) {
    QByteArray partSource = source.mid(part.begin, part.end - part.begin);
    if (part.kind == EmbeddedKind::Control) check.controlForms.append(partSource);
    check.embedded.append(partSource);
  }
  return check;
}

QString compareEmbeddedParts(const LiteralCheck& original, const LiteralCheck& replacement) {
  if (original.controlForms != replacement.controlForms) {
    return QStringLiteral(
        "the control forms (<<if>>, <<one of>>, ...) are not the same, "
        "in the same order");
  }
  auto expressions = [](const LiteralCheck& check) {
    QVector<QByteArray> parts;
    for (const QByteArray& part : check.embedded) {
      if (!check.controlForms.contains(part)) parts.append(part);
    }
    std::sort(parts.begin(), parts.end());
    return parts;
  };
  QVector<QByteArray> before = expressions(original);
  QVector<QByteArray> after = expressions(replacement);
  if (before == after) return QString();
  for (const QByteArray& part : before) {
    if (!after.contains(part)) {
      return QStringLiteral("the embedded expression %1 is missing or changed")
          .arg(QString::fromUtf8(part));
    }
  }
  for (const QByteArray& part : after) {
    if (!before.contains(part)) {
      return QStringLiteral("the embedded expression %1 was added").arg(QString::fromUtf8(part));
    }
  }
  return QStringLiteral("an embedded expression appears a different number of times");
}
