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
    : byDefinition_(contextByDefinition), header_(templateHeader()) {}

namespace {

QByteArray sliceOf(const QByteArray& buffer, int begin, int size) {
  return size < 0 ? QByteArray() : QByteArray::fromRawData(buffer.constData() + begin, size);
}

}  // namespace

int TemplateBuilder::entryFor(const QByteArray& context, const QByteArray& msgid) {
  if (2 * (entries_.size() + 1) > slots_.size()) {
    std::vector<std::pair<uint, int>> old(std::max<size_t>(1024, 2 * slots_.size()));
    old.swap(slots_);
    for (const auto& slot : old) {
      if (!slot.second) continue;
      size_t at = slot.first & (slots_.size() - 1);
      while (slots_[at].second) at = (at + 1) & (slots_.size() - 1);
      slots_[at] = slot;
    }
  }
  const QByteArray key = context.isEmpty() ? QByteArray() : context;
  const uint hash = qHash(msgid, qHash(key));
  size_t at = hash & (slots_.size() - 1);
  for (; slots_[at].second; at = (at + 1) & (slots_.size() - 1)) {
    if (slots_[at].first != hash) continue;
    const Entry& held = entries_[slots_[at].second - 1];
    if (sliceOf(texts_, held.context.begin, held.context.size) == key &&
        sliceOf(texts_, held.msgid.begin, held.msgid.size) == msgid) {
      return slots_[at].second - 1;
    }
  }
  Entry entry;
  if (!key.isNull()) {
    entry.context = Slice{texts_.size(), key.size()};
    texts_ += key;
    texts_ += '\0';  // gettext reads each text up to its zero byte
  }
  entry.msgid = Slice{texts_.size(), msgid.size()};
  texts_ += msgid;
  texts_ += '\0';
  entries_.push_back(entry);
  slots_[at] = {hash, int(entries_.size())};
  return int(entries_.size()) - 1;
}

void TemplateBuilder::addFile(const QString& relativePath, const SourceFile& file,
                              const LexResult& lexed) {
  paths_.append(relativePath.toUtf8());
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
    const QByteArray note = placeNote(literal).toUtf8();
    places_.push_back(Place{index, int(paths_.size()) - 1, literal.line, {notes_.size(), note.size()}});
    notes_ += note;
  }
}

void TemplateBuilder::groupPlaces(std::vector<int>& placeOrder,
                                  std::vector<int>& firstPlace) const {
  firstPlace.assign(entries_.size() + 1, 0);
  for (const Place& place : places_) ++firstPlace[place.entry + 1];
  for (size_t i = 0; i < entries_.size(); ++i) firstPlace[i + 1] += firstPlace[i];
  std::vector<int> next(firstPlace.begin(), firstPlace.end() - 1);
  placeOrder.assign(places_.size(), 0);
  for (int i = 0; i < int(places_.size()); ++i) placeOrder[next[places_[i].entry]++] = i;
}

void TemplateBuilder::addTo(PoBuilder& po, int number, const std::vector<int>& placeOrder,
                            const std::vector<int>& firstPlace) const {
  const Entry& entry = entries_[number];
  const int message = po.add(sliceOf(texts_, entry.context.begin, entry.context.size),
                             sliceOf(texts_, entry.msgid.begin, entry.msgid.size));
  // gettext keeps each place once; a place whose note the entry has already
  // adds none. Most entries have one place, so the lists stay short.
  QByteArray notes;
  for (int i = firstPlace[number]; i < firstPlace[number + 1]; ++i) {
    const Place& place = places_[placeOrder[i]];
    po.addReference(message, paths_[place.path], place.line);
    const QByteArray note = sliceOf(notes_, place.note.begin, place.note.size) + '\n';
    if (notes.startsWith(note) || notes.contains('\n' + note)) continue;
    notes += note;
  }
  po.setComments(message, notes + addedNotes_.value(number));
}

QByteArray TemplateBuilder::context(int number) const {
  const Entry& entry = entries_[number];
  QByteArray text = sliceOf(texts_, entry.context.begin, entry.context.size);
  if (!text.isNull()) text.detach();  // a copy that outlives the buffer
  return text;
}

QByteArray TemplateBuilder::msgid(int number) const {
  const Entry& entry = entries_[number];
  QByteArray text = sliceOf(texts_, entry.msgid.begin, entry.msgid.size);
  text.detach();  // a copy that outlives the buffer
  return text;
}

void TemplateBuilder::addNote(int number, const QString& note) {
  addedNotes_[number] += note.toUtf8() + '\n';
}

QVector<PoEntry> TemplateBuilder::entries() const {
  std::vector<int> placeOrder;
  std::vector<int> firstPlace;
  groupPlaces(placeOrder, firstPlace);
  PoBuilder po(header_);
  for (int i = 0; i < int(entries_.size()); ++i) addTo(po, i, placeOrder, firstPlace);
  return po.entries();
}

bool TemplateBuilder::write(const QString& path, QString& error) {
  slots_ = {};
  std::vector<int> placeOrder;
  std::vector<int> firstPlace;
  groupPlaces(placeOrder, firstPlace);
  return writePoFileInPieces(
      path, header_, int(entries_.size()),
      [&](PoBuilder& piece, int number) { addTo(piece, number, placeOrder, firstPlace); }, error);
}
