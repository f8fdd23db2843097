#include "tadslex/literal_body.h"

#include <QStringList>
#include <algorithm>

#include "tadslex/control_form.h"
#include "tadslex/lex_state.h"
#include "tadslex/literal_reader.h"

namespace {

// The quotes of a kind, and the kind as a problem names it.
struct QuoteForm {
  QByteArray quotes;
  QString name;
};

QuoteForm formOf(QuoteKind quote) {
  switch (quote) {
    case QuoteKind::Single:
      return {QByteArrayLiteral("'"), QStringLiteral("a single-quoted literal")};
    case QuoteKind::TripleDouble:
      return {QByteArrayLiteral("\"\"\""), QStringLiteral("a triple-double-quoted literal")};
    case QuoteKind::TripleSingle:
      return {QByteArrayLiteral("'''"), QStringLiteral("a triple-single-quoted literal")};
    case QuoteKind::Double:
      break;
  }
  return {QByteArrayLiteral("\""), QStringLiteral("a double-quoted literal")};
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
  const QuoteForm form = formOf(quote);
  const QByteArray& quotes = form.quotes;
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
    check.problem = QStringLiteral("the text closes %1 before its end").arg(form.name);
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
    QStringList forms;
    for (const QByteArray& form : original.controlForms) forms << QString::fromUtf8(form);
    return QStringLiteral(
               "the control forms (<<if>>, <<one of>>, ...) differ from the msgid's: keep %1 "
               "as written, in that order")
        .arg(forms.isEmpty() ? QStringLiteral("none") : forms.join(QLatin1Char(' ')));
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
      return QStringLiteral(
                 "the embedded expression %1 of the msgid is missing or changed: keep it as "
                 "written (it may move)")
          .arg(QString::fromUtf8(part));
    }
  }
  for (const QByteArray& part : after) {
    if (!before.contains(part)) {
      return QStringLiteral(
                 "the embedded expression %1 is not in the msgid: remove it (<<...>> is code)")
          .arg(QString::fromUtf8(part));
    }
  }
  return QStringLiteral(
      "an embedded expression stands a different number of times than in the msgid: keep each "
      "as often as the msgid has it");
}
