#include "po/translation_check.h"

#include <algorithm>

#include "po/escape_run.h"
#include "tadslex/control_form.h"
#include "tadslex/literal_body.h"

namespace {

QString quotesOf(QuoteKind quote) {
  switch (quote) {
    case QuoteKind::Double:
      return QStringLiteral("\"");
    case QuoteKind::Single:
      return QStringLiteral("'");
    case QuoteKind::TripleDouble:
      return QStringLiteral("\"\"\"");
    case QuoteKind::TripleSingle:
      break;
  }
  return QStringLiteral("'''");
}

bool isTriple(QuoteKind quote) {
  return quote == QuoteKind::TripleDouble || quote == QuoteKind::TripleSingle;
}

/// Marks in `text` every occurrence of a source part, so that code inside it
/// is left as it stands.
QVector<bool> protectedChars(const QString& text, const QStringList& parts) {
  QVector<bool> marked(text.size(), false);
  for (const QString& part : parts) {
    for (int at = text.indexOf(part); at >= 0 && !part.isEmpty();
         at = text.indexOf(part, at + part.size())) {
      std::fill(marked.begin() + at, marked.begin() + at + part.size(), true);
    }
  }
  return marked;
}

/// Where each of `parts` (the parts of `body`, in order) stands in `body`.
QVector<TextSpan> spansOf(const QString& body, const QVector<QByteArray>& parts) {
  QVector<TextSpan> spans;
  int from = 0;
  for (const QByteArray& part : parts) {
    const QString text = QString::fromUtf8(part);
    int at = body.indexOf(text, from);
    while (at > 0 && backslashesBefore(body, at) % 2 == 1) at = body.indexOf(text, at + 1);
    if (at < 0) break;
    spans.append({at, at + text.size()});
    from = at + text.size();
  }
  return spans;
}

}  // namespace

QString escapeBareQuotes(const QString& translation, QuoteKind quote, const QStringList& parts) {
  const QChar mark = quotesOf(quote)[0];
  const QVector<bool> marked = protectedChars(translation, parts);
  QString result;
  result.reserve(translation.size() + 8);
  for (int at = 0; at < translation.size(); ++at) {
    const bool bare = translation[at] == mark && !marked[at] &&
                      backslashesBefore(translation, at) % 2 == 0;
    if (bare && !isTriple(quote)) {
      result += QLatin1Char('\\');
    } else if (bare && (at == 0 || translation[at - 1] != mark)) {
      int run = 0;
      while (at + run < translation.size() && translation[at + run] == mark) ++run;
      if (run >= 3) result += QLatin1Char('\\');
    }
    result += translation[at];
  }
  return result;
}

CheckedTranslation checkTranslation(const QString& translation, const LiteralShape& shape) {
  CheckedTranslation checked;
  checked.body = escapeBareQuotes(translation, shape.quote, shape.parts);
  if (backslashesBefore(checked.body, checked.body.size()) % 2 == 1) {
    checked.reason = QStringLiteral("the translation ends in a lone backslash");
    return checked;
  }
  const QByteArray body = checked.body.toUtf8();
  const LiteralCheck read =
      checkLiteralBody(body, shape.quote, TadsDialect::Tads3, shape.spacing, shape.depth);
  if (!read.ok) {
    checked.reason = read.problem;
    return checked;
  }
  if (read.text != body) {
    checked.reason = QStringLiteral("the translation does not read back as written");
    return checked;
  }
  LiteralCheck original;
  for (const QString& part : shape.parts) {
    original.embedded << part.toUtf8();
    if (isControlForm(original.embedded.last())) original.controlForms << original.embedded.last();
  }
  checked.reason = compareEmbeddedParts(original, read);
  checked.parts = spansOf(checked.body, read.embedded);
  checked.ok = checked.reason.isEmpty() && checked.parts.size() == read.embedded.size();
  if (!checked.ok && checked.reason.isEmpty()) {
    checked.reason = QStringLiteral("an embedded part cannot be found again");
  }
  return checked;
}
