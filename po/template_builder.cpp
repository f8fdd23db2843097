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

TemplateBuilder::TemplateBuilder(bool contextByDefinition)
    : byDefinition_(contextByDefinition), po_(templateHeader()) {}

int TemplateBuilder::entryFor(const QByteArray& context, const QByteArray& msgid) {
  const uint hash = qHash(msgid, qHash(context));
  for (auto it = indexByHash_.constFind(hash); it != indexByHash_.constEnd() && it.key() == hash;
       ++it) {
    const char* heldContext = po_.context(it.value());
    const QByteArray held = heldContext ? QByteArray(heldContext) : QByteArray();
    if (held == context && msgid == po_.msgid(it.value())) return it.value();
  }
  const int index = po_.add(context.isEmpty() ? QByteArray() : context, msgid);
  indexByHash_.insert(hash, index);
  notes_.append(QByteArray());
  return index;
}

void TemplateBuilder::addFile(const QString& relativePath, const SourceFile& file,
                              const LexResult& lexed) {
  const QByteArray path = relativePath.toUtf8();
  for (const TadsLiteral& literal : lexed.literals) {
    const QString text = decodeIn(file, literal.text);
    if (!holdsLetter(text)) continue;
    const int index = entryFor(byDefinition_ ? literal.definition.toUtf8() : QByteArray(),
                               text.toUtf8());
    po_.addReference(index, path, literal.line);
    const QByteArray note = placeNote(literal).toUtf8();
    const quint64 hash = (quint64(qHash(note, uint(index))) << 32) | qHash(note, 0x85ebca6bU);
    if (noteHashes_.contains(hash)) continue;
    noteHashes_.insert(hash);
    notes_[index] += note + '\n';
  }
}

QVector<PoEntry> TemplateBuilder::entries() {
  for (int i = 0; i < notes_.size(); ++i) po_.setComments(i, notes_[i]);
  return po_.entries();
}

bool TemplateBuilder::write(const QString& path, QString& error) {
  for (int i = 0; i < notes_.size(); ++i) {
    po_.setComments(i, notes_[i]);
    notes_[i] = QByteArray();
  }
  noteHashes_.clear();
  indexByHash_.clear();
  return po_.write(path, error);
}
