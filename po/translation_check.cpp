#include "po/translation_check.h"

#include <algorithm>

#include "po/escape_run.h"
#include "po/tads_text_rules.h"
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
    const bool bare =
        translation[at] == mark && !marked[at] && backslashesBefore(translation, at) % 2 == 0;
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

namespace {

/// `translation` with the line breaks the compiler drops taken out (one
/// typed after a `\n` escape, outside TADS 2); empty `problem` when every
/// other break is one the literal keeps.
QString withoutDroppedBreaks(const QString& translation, const LiteralShape& shape,
                             QString& problem) {
  if (!translation.contains(QLatin1Char('\n')) && !translation.contains(QLatin1Char('\r'))) {
    return translation;
  }
  if (shape.spacing == NewlineSpacing::Preserve && shape.dialect == TadsDialect::Tads3) {
    return translation;
  }
  // Breaks inside the source's own embedded parts are code, as written.
  const QVector<bool> code = protectedChars(translation, shape.parts);
  QString kept;
  for (int at = 0; at < translation.size(); ++at) {
    const QChar c = translation[at];
    if ((c != QLatin1Char('\n') && c != QLatin1Char('\r')) || code[at]) {
      kept += c;
      continue;
    }
    const bool afterNewline = shape.dialect == TadsDialect::Tads3 &&
                              kept.endsWith(QLatin1Char('n')) &&
                              backslashesBefore(kept, kept.size() - 1) % 2 == 1;
    if (!afterNewline) {
      problem =
          QStringLiteral("the translation holds a line break; write \\n for one the player sees");
      return translation;
    }
    if (c == QLatin1Char('\r') && at + 1 < translation.size() &&
        translation[at + 1] == QLatin1Char('\n'))
      ++at;
  }
  return kept;
}

/// True when `body` holds a `<<` that opens an embedded expression of its own.
bool opensNewExpression(const QString& body, const QStringList& parts) {
  const QVector<bool> marked = protectedChars(body, parts);
  for (int at = 0; at + 1 < body.size(); ++at) {
    if (marked[at] || body[at] != QLatin1Char('<') || body[at + 1] != QLatin1Char('<')) continue;
    if (backslashesBefore(body, at) % 2 == 0) return true;
  }
  return false;
}

/// What the lexer's failure to read `body` back means to a translator.
QString unreadableReason(const QString& body, const LiteralShape& shape) {
  if (opensNewExpression(body, shape.parts)) {
    // TADS 3 prints a '<' as the start of a tag; TADS 2 prints an escaped one.
    return QStringLiteral(
               "the translation holds << that the msgid does not: it opens an embedded "
               "expression (code); write %1 for the characters << the player sees")
        .arg(shape.dialect == TadsDialect::Tads2 ? QStringLiteral("\\<\\<")
                                                 : QStringLiteral("&lt;&lt;"));
  }
  return QStringLiteral(
      "the translation does not read as one TADS text: its quotes or brackets end it early; "
      "keep the quotes, << and >> as the msgid has them");
}

}  // namespace

CheckedTranslation checkTranslation(const QString& translation, const LiteralShape& shape,
                                    const MessageParameters& parameters) {
  CheckedTranslation checked;
  const QString kept = withoutDroppedBreaks(translation, shape, checked.reason);
  if (!checked.reason.isEmpty()) return checked;
  checked.body = escapeBareQuotes(kept, shape.quote, shape.parts);
  if (backslashesBefore(checked.body, checked.body.size()) % 2 == 1) {
    checked.reason = QStringLiteral(
        "the translation ends in a lone backslash; write \\\\ for a backslash the player sees, or "
        "remove it");
    return checked;
  }
  const QByteArray body = checked.body.toUtf8();
  const LiteralCheck read =
      checkLiteralBody(body, shape.quote, shape.dialect, shape.spacing, shape.depth);
  if (!read.ok) {
    checked.reason = unreadableReason(checked.body, shape);
    return checked;
  }
  if (read.text != body) {
    checked.reason = QStringLiteral(
        "the translation does not read back as written (a backslash before a line break?); "
        "write it on one line");
    return checked;
  }
  LiteralCheck original;
  for (const QString& part : shape.parts) {
    original.embedded << part.toUtf8();
    if (isControlForm(original.embedded.last())) original.controlForms << original.embedded.last();
  }
  checked.reason = compareEmbeddedParts(original, read);
  checked.parts = spansOf(checked.body, read.embedded);
  if (checked.reason.isEmpty() && checked.parts.size() != read.embedded.size()) {
    checked.reason = QStringLiteral("an embedded part cannot be found again");
  }
  if (checked.reason.isEmpty())
    checked.reason = checkEscapes(checked.body, checked.parts, shape.dialect);
  if (checked.reason.isEmpty()) {
    checked.reason = checkMessageParameters(checked.body, checked.parts, shape.msgid, shape.parts,
                                            parameters, shape.dialect);
  }
  if (checked.reason.isEmpty()) {
    checked.reason = checkMarkupTags(checked.body, checked.parts, shape.msgid, shape.parts);
  }
  checked.ok = checked.reason.isEmpty();
  return checked;
}
