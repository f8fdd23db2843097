#include "po/template_builder.h"

#include <algorithm>

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
  if (2 * (notes_.size() + 1) > int(slots_.size())) {
    std::vector<std::pair<uint, int>> old(std::max<size_t>(1024, 2 * slots_.size()));
    old.swap(slots_);
    for (const auto& slot : old) {
      if (!slot.second) continue;
      size_t at = slot.first & (slots_.size() - 1);
      while (slots_[at].second) at = (at + 1) & (slots_.size() - 1);
      slots_[at] = slot;
    }
  }
  const uint hash = qHash(msgid, qHash(context));
  size_t at = hash & (slots_.size() - 1);
  for (; slots_[at].second; at = (at + 1) & (slots_.size() - 1)) {
    if (slots_[at].first != hash) continue;
    const int index = slots_[at].second - 1;
    const char* heldContext = po_.context(index);
    if (context == (heldContext ? heldContext : "") && msgid == po_.msgid(index)) return index;
  }
  const int index = po_.add(context.isEmpty() ? QByteArray() : context, msgid);
  slots_[at] = {hash, index + 1};
  notes_.append(QByteArray());
  return index;
}

void TemplateBuilder::addFile(const QString& relativePath, const SourceFile& file,
                              const LexResult& lexed) {
  const QByteArray path = relativePath.toUtf8();
  for (const TadsLiteral& literal : lexed.literals) {
    QByteArray msgid;
    if (readsAsAscii(file, literal.text)) {
      // Its characters are its bytes: no text to decode and encode again.
      if (std::none_of(literal.text.begin(), literal.text.end(),
                       [](char c) { return QChar::isLetter(uint(uchar(c))); })) {
        continue;
      }
      msgid = literal.text;
    } else {
      const QString text = decodeIn(file, literal.text);
      if (!holdsLetter(text)) continue;
      msgid = text.toUtf8();
    }
    const int index =
        entryFor(byDefinition_ ? literal.definition.toUtf8() : QByteArray(), msgid);
    po_.addReference(index, path, literal.line);
    // A place whose note the entry has already adds none. Most entries have
    // one place, so the lists stay short.
    const QByteArray note = placeNote(literal).toUtf8() + '\n';
    QByteArray& held = notes_[index];
    if (held.startsWith(note) || held.contains('\n' + note)) continue;
    held += note;
  }
}

QVector<PoEntry> TemplateBuilder::entries() {
  for (int i = 0; i < notes_.size(); ++i) po_.setComments(i, notes_[i]);
  return po_.entries();
}

bool TemplateBuilder::write(const QString& path, QString& error) {
  slots_ = {};
  for (int i = 0; i < notes_.size(); ++i) {
    po_.setComments(i, notes_[i]);
    notes_[i] = QByteArray();
  }
  return po_.write(path, error);
}
