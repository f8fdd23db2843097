#ifndef BRISVANE_PO_TRANSLATION_TABLE_H
#define BRISVANE_PO_TRANSLATION_TABLE_H

#include <QHash>
#include <QString>
#include <QVector>

#include "po/po_catalog.h"

/// One usable translation and where it stands in the PO file.
struct Translation {
  QString text;
  int line = 0;  ///< of its entry's msgid in the PO file, 0 when not known
};

/// The translations of a PO file, found by text or by definition and text.
class TranslationTable {
 public:
  explicit TranslationTable(const QVector<PoEntry>& entries);

  /// The translation a literal of `definition` with `text` takes: the entry
  /// with that definition as msgctxt when there is one, else the entry of
  /// that text without msgctxt. Null when that entry is missing, fuzzy or
  /// untranslated.
  const Translation* find(const QString& definition, const QString& text) const;

  /// How many entries carry a translation that is applied where it fits.
  int translatedCount() const { return translated_; }
  /// How many entries with a translation are fuzzy, and so left out.
  int fuzzyCount() const { return fuzzy_; }

 private:
  /// A null text keeps an untranslated entry of a definition from falling
  /// back to the entry without msgctxt.
  QHash<QString, Translation> byText_;
  QHash<QString, Translation> byDefinition_;  ///< key: definition, line feed, text
  int translated_ = 0;
  int fuzzy_ = 0;
};

#endif
