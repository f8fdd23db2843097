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

void TemplateBuilder::addFile(const QString& relativePath, const SourceFile& file,
                              const LexResult& lexed) {
  const QByteArray path = relativePath.toUtf8();
  for (const TadsLiteral& literal : lexed.literals) {
    const QString text = decodeIn(file, literal.text);
    if (!holdsLetter(text)) continue;
    const QByteArray context = byDefinition_ ? literal.definition.toUtf8() : QByteArray();
    const QByteArray msgid = text.toUtf8();
    // A context never holds a line feed, so it separates the two parts.
    const QByteArray key = context + '\n' + msgid;
    auto found = indexByKey_.constFind(key);
    int index;
    if (found == indexByKey_.constEnd()) {
      index = po_.add(context.isEmpty() ? QByteArray() : context, msgid);
      indexByKey_.insert(key, index);
      notes_.append(QByteArray());
      noteHashes_.append(QSet<quint64>());
    } else {
      index = found.value();
    }
    po_.addReference(index, path, literal.line);
    const QByteArray note = placeNote(literal).toUtf8();
    const quint64 hash = (quint64(qHash(note, 0x9e3779b9U)) << 32) | qHash(note, 0x85ebca6bU);
    if (noteHashes_[index].contains(hash)) continue;
    noteHashes_[index].insert(hash);
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
  indexByKey_.clear();
  return po_.write(path, error);
}
