#include "po/template_builder.h"

namespace {

QString quoteName(QuoteKind quote) {
  switch (quote) {
    case QuoteKind::Double:
      return QStringLiteral("double-quoted");
    case QuoteKind::Single:
      return QStringLiteral("single-quoted");
    case QuoteKind::TripleDouble:
      return QStringLiteral("triple-double-quoted");
    case QuoteKind::TripleSingle:
      break;
  }
  return QStringLiteral("triple-single-quoted");
}

bool isSingle(QuoteKind quote) {
  return quote == QuoteKind::Single || quote == QuoteKind::TripleSingle;
}

}  // namespace

bool holdsLetter(const QString& text) {
  for (const QChar c : text) {
    if (c.isLetter()) return true;
  }
  return false;
}

QString placeNote(const TadsLiteral& literal) {
  QString place = literal.definition.isEmpty() ? QStringLiteral("(top level)") : literal.definition;
  if (!literal.property.isEmpty()) {
    place += QStringLiteral(".") + literal.property;
  } else if (literal.templateSlot >= 0) {
    place += QStringLiteral(", template part %1").arg(literal.templateSlot + 1);
  }
  QString note = place + QStringLiteral(", ") + quoteName(literal.quote);
  if (literal.depth > 0) note += QStringLiteral(", inside an embedded expression");
  if (literal.role == LiteralRole::Vocabulary) {
    note += QStringLiteral(", grammar token: vocabulary");
  } else if (isSingle(literal.quote)) {
    note += QStringLiteral(": may be vocabulary or code");
  }
  return note;
}

void TemplateBuilder::addFile(const QString& relativePath, const SourceFile& file,
                              const LexResult& lexed) {
  for (const TadsLiteral& literal : lexed.literals) {
    const QString text = decodeIn(file, literal.text);
    if (!holdsLetter(text)) continue;
    const QString context = byDefinition_ ? literal.definition : QString();
    // A context never holds a line feed, so it separates the two parts.
    const QString key = context + QLatin1Char('\n') + text;
    auto found = indexByKey_.constFind(key);
    int index;
    if (found == indexByKey_.constEnd()) {
      index = entries_.size();
      indexByKey_.insert(key, index);
      PoEntry entry;
      entry.hasContext = !context.isEmpty();
      entry.context = context;
      entry.msgid = text;
      entries_.append(entry);
      notesOf_.append(QSet<QString>());
    } else {
      index = found.value();
    }
    PoEntry& entry = entries_[index];
    entry.references.append(QStringLiteral("%1:%2").arg(relativePath).arg(literal.line));
    const QString note = placeNote(literal);
    if (!notesOf_[index].contains(note)) {
      notesOf_[index].insert(note);
      entry.comments.append(note);
    }
  }
}
