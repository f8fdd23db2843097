#include "po/translation_table.h"

namespace {

QString keyOf(const QString& definition, const QString& text) {
  return definition + QLatin1Char('\n') + text;
}

}  // namespace

TranslationTable::TranslationTable(const QVector<PoEntry>& entries) {
  byText_.reserve(entries.size());
  for (const PoEntry& entry : entries) {
    const bool usable = !entry.fuzzy && !entry.msgstr.isEmpty();
    const Translation value{usable ? entry.msgstr : QString(), entry.line};
    if (usable) ++translated_;
    if (entry.fuzzy && !entry.msgstr.isEmpty()) ++fuzzy_;
    if (entry.hasContext) {
      byDefinition_.insert(keyOf(entry.context, entry.msgid), value);
    } else {
      byText_.insert(entry.msgid, value);
    }
  }
}

const Translation* TranslationTable::find(const QString& definition, const QString& text) const {
  if (!byDefinition_.isEmpty()) {
    auto found = byDefinition_.constFind(keyOf(definition, text));
    if (found != byDefinition_.constEnd()) return found->text.isNull() ? nullptr : &found.value();
  }
  auto found = byText_.constFind(text);
  if (found == byText_.constEnd() || found->text.isNull()) return nullptr;
  return &found.value();
}
