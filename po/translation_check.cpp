#include "po/translation_check.h"

#include <algorithm>

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

/// Number of backslashes straight before `at`.
int backslashesBefore(const QString& text, int at) {
  int count = 0;
  while (at - count - 1 >= 0 && text[at - count - 1] == QLatin1Char('\\')) ++count;
  return count;
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

QString sanitized(const QString& part) {
  return part.mid(2, part.size() - 4).simplified().toLower();
}

QString snippetFor(const QString& literal, int depth, NewlineSpacing spacing, int& literalAt) {
  static const char* const kModes[] = {"collapse", "delete", "preserve"};
  QString head = QStringLiteral("#pragma newline_spacing(%1)\nbrisvaneCheck: object\n  prop = ")
                     .arg(QLatin1String(kModes[int(spacing)]));
  if (depth > 0) head += QStringLiteral("\"<<(");
  literalAt = head.toUtf8().size();
  return head + literal + (depth > 0 ? QStringLiteral(")>>\"\n;\n") : QStringLiteral("\n;\n"));
}

QString partsVerdict(const QStringList& source, const QStringList& translated) {
  QStringList sourceControls;
  QStringList sourceOthers;
  QStringList translatedControls;
  QStringList translatedOthers;
  for (const QString& part : source) (isControlForm(part) ? sourceControls : sourceOthers) << part;
  for (const QString& part : translated) {
    (isControlForm(part) ? translatedControls : translatedOthers) << part;
  }
  if (sourceControls != translatedControls) {
    return QStringLiteral("control forms removed, changed or out of their order (%1 instead of %2)")
        .arg(translatedControls.join(QLatin1Char(' ')), sourceControls.join(QLatin1Char(' ')));
  }
  for (const QString& part : sourceOthers) {
    if (translatedOthers.count(part) < sourceOthers.count(part)) {
      return QStringLiteral("embedded expression %1 removed or changed").arg(part);
    }
  }
  for (const QString& part : translatedOthers) {
    if (translatedOthers.count(part) > sourceOthers.count(part)) {
      return QStringLiteral("embedded expression %1 added").arg(part);
    }
  }
  return QString();
}

}  // namespace

bool isControlForm(const QString& part) {
  static const QStringList kWords = {
      QStringLiteral("else"),      QStringLiteral("end"),       QStringLiteral("one of"),
      QStringLiteral("or"),        QStringLiteral("stopping"),  QStringLiteral("cycling"),
      QStringLiteral("at random"), QStringLiteral("then at random"),
      QStringLiteral("purely at random"), QStringLiteral("then purely at random"),
      QStringLiteral("shuffled"),  QStringLiteral("then shuffled"),
      QStringLiteral("half shuffled"), QStringLiteral("first time"), QStringLiteral("only"),
      QStringLiteral("sticky random"), QStringLiteral("as decreasingly likely outcomes")};
  if (part.startsWith(QLatin1String("<<%"))) return false;
  const QString inner = sanitized(part);
  if (kWords.contains(inner)) return true;
  for (const char* head : {"if ", "if(", "unless ", "unless(", "else if"}) {
    if (inner.startsWith(QLatin1String(head))) return true;
  }
  return false;
}

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
  const QString quotes = quotesOf(shape.quote);
  int literalAt = 0;
  const QByteArray snippet =
      snippetFor(quotes + checked.body + quotes, shape.depth, shape.spacing, literalAt).toUtf8();
  const QByteArray body = checked.body.toUtf8();
  const LexResult lexed = lexTads(snippet);
  const TadsLiteral* found = nullptr;
  for (const TadsLiteral& literal : lexed.literals) {
    if (literal.begin == literalAt) found = &literal;
  }
  if (!lexed.problems.isEmpty() || !found || found->bodyEnd != literalAt + quotes.size() + body.size() ||
      found->text != body) {
    checked.reason = QStringLiteral("the translation does not read back as one literal");
    return checked;
  }
  QStringList partTexts;
  for (const EmbeddedPart& part : found->embedded) {
    const int begin = QString::fromUtf8(body.left(part.begin - found->bodyBegin)).size();
    const int end = QString::fromUtf8(body.left(part.end - found->bodyBegin)).size();
    checked.parts.append({begin, end});
    partTexts << checked.body.mid(begin, end - begin);
  }
  checked.reason = partsVerdict(shape.parts, partTexts);
  checked.ok = checked.reason.isEmpty();
  return checked;
}
