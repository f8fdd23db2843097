#include "po/template_builder.h"

#include <algorithm>

#include "tadslex/text_pieces.h"

bool holdsWords(const QString& text, QuoteKind quote, TadsDialect dialect) {
  // Most texts start with a word: a letter before anything that opens a
  // piece needs no reading of the parts.
  for (const QChar c : text) {
    if (c.isLetter()) return true;
    if (QStringLiteral("\\<&{%").contains(c)) break;
  }
  const auto isLetter = [](QChar c) { return c.isLetter(); };
  const QVector<TextPiece> pieces = textPieces(text, embeddedSpans(text, quote, dialect), dialect,
                                               kReadTags | kReadPatternEscapes);
  return std::any_of(pieces.begin(), pieces.end(), [&](const TextPiece& piece) {
    return piece.kind == PieceKind::Text &&
           std::any_of(text.begin() + piece.begin, text.begin() + piece.end, isLetter);
  });
}

namespace {

QString placeName(const QString& definition) {
  return definition.isEmpty() ? QStringLiteral("(top level)") : definition;
}

/// The definition and property, or template place, a literal stands in.
QString placeOf(const TadsLiteral& literal) {
  QString place = placeName(literal.definition);
  if (!literal.property.isEmpty()) {
    place += QStringLiteral(".") + literal.property;
  } else if (literal.templateSlot >= 0) {
    place += QStringLiteral(", template part %1").arg(literal.templateSlot + 1);
  }
  return place;
}

}  // namespace

QString placeNote(const TadsLiteral& literal) {
  QString note = placeOf(literal) + QStringLiteral(", ") + quoteKindName(literal.quote);
  if (literal.depth > 0) note += QStringLiteral(", inside an embedded expression");
  if (literal.role == LiteralRole::Vocabulary) {
    note += QStringLiteral(", grammar token: vocabulary");
  } else if (isSingleQuoted(literal.quote)) {
    note += QStringLiteral(": may be vocabulary or code");
  }
  return note;
}

TemplateBuilder::TemplateBuilder(bool contextByDefinition, TadsDialect dialect)
    : byDefinition_(contextByDefinition), dialect_(dialect), created_(templateHeader()) {}

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
  addDeclarations(lexed);
  readGameName(file, lexed);
  QHash<int, int> partOf;  // heads of this file to parts_
  paths_.append(relativePath.toUtf8());
  for (const TadsLiteral& literal : lexed.literals) {
    // Characters that are their bytes need no decoding and encoding again.
    const bool ascii = readsAsAscii(file, literal.text);
    const QString text = ascii ? QString::fromLatin1(literal.text) : decodeIn(file, literal.text);
    const QByteArray msgid = ascii ? literal.text : text.toUtf8();
    if (!holdsWords(text, literal.quote, dialect_)) {
      wordless_.insert(msgid);
      continue;
    }
    const int index = entryFor(byDefinition_ ? literal.definition.toUtf8() : QByteArray(), msgid);
    const QByteArray note = placeNote(literal).toUtf8();
    Place place{index, int(paths_.size()) - 1, literal.line, {notes_.size(), note.size()}};
    if (literal.head >= 0 && literal.templateItem >= 0 && literal.property.isEmpty()) {
      // Named at the end, when every declaration has been read.
      const DefinitionHead& head = lexed.heads[literal.head];
      const int part = partOf.value(literal.head, int(parts_.size()));
      if (part == parts_.size()) {
        parts_.append(TemplatePart{head.superclasses, head.templateItems});
        partOf.insert(literal.head, part);
      }
      place.part = part;
      place.item = literal.templateItem;
      place.definitionLength = placeName(literal.definition).toUtf8().size();
      place.placeLength = placeOf(literal).toUtf8().size();
    }
    places_.push_back(place);
    notes_ += note;
  }
}

void TemplateBuilder::addDeclarations(const LexResult& lexed) { catalog_.add(lexed); }

void TemplateBuilder::readGameName(const SourceFile& file, const LexResult& lexed) {
  if (!gameName_.isNull()) return;
  // The game's name and version stand in its GameID object (versionInfo).
  QSet<QString> gameIds;
  for (const DefinitionHead& head : lexed.heads) {
    if (!head.name.isEmpty() && head.superclasses.contains(QStringLiteral("GameID"))) {
      gameIds.insert(head.name);
    }
  }
  for (const TadsLiteral& literal : lexed.literals) {
    if (literal.depth > 0 || !gameIds.contains(literal.definition)) continue;
    if (literal.property == QLatin1String("name") && gameName_.isNull()) {
      gameName_ = decodeIn(file, literal.text).simplified();
    } else if (literal.property == QLatin1String("version") && gameVersion_.isNull()) {
      gameVersion_ = decodeIn(file, literal.text).simplified();
    }
  }
}

void TemplateBuilder::nameTemplateParts() {
  if (partProperties_.size() == parts_.size()) return;
  // Objects of one class share their parts' shapes: each shape is named once.
  QHash<QString, QStringList> named;
  partProperties_.clear();
  for (const TemplatePart& part : parts_) {
    QString key = part.superclasses.join(QLatin1Char(','));
    for (TemplateItemKind kind : part.kinds) key += QChar(int(kind) + '0');
    auto found = named.constFind(key);
    if (found == named.constEnd()) {
      found = named.insert(key, catalog_.propertiesOf(part.superclasses, part.kinds));
    }
    partProperties_.append(*found);
  }
}

QByteArray TemplateBuilder::noteOf(const Place& place) const {
  const QByteArray note = sliceOf(notes_, place.note.begin, place.note.size);
  if (place.part < 0) return note;
  const QString property = partProperties_.value(place.part).value(place.item);
  if (property.isEmpty()) return note;
  return note.left(place.definitionLength) + '.' + property.toUtf8() + note.mid(place.placeLength);
}

QString TemplateBuilder::header() const {
  if (gameName_.isEmpty()) return created_;
  QString id = gameName_;
  if (!gameVersion_.isEmpty()) id += QLatin1Char(' ') + gameVersion_;
  return templateHeader(id);
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
    const QByteArray note = noteOf(place) + '\n';
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

QVector<PoEntry> TemplateBuilder::entries() {
  std::vector<int> placeOrder;
  std::vector<int> firstPlace;
  groupPlaces(placeOrder, firstPlace);
  nameTemplateParts();
  PoBuilder po(header());
  for (int i = 0; i < int(entries_.size()); ++i) addTo(po, i, placeOrder, firstPlace);
  return po.entries();
}

bool TemplateBuilder::write(const QString& path, QString& error) {
  slots_ = {};
  std::vector<int> placeOrder;
  std::vector<int> firstPlace;
  groupPlaces(placeOrder, firstPlace);
  nameTemplateParts();
  return writePoFileInPieces(
      path, header(), int(entries_.size()),
      [&](PoBuilder& piece, int number) { addTo(piece, number, placeOrder, firstPlace); }, error);
}
