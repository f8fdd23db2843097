#ifndef BRISVANE_PO_TRANSLATION_TABLE_H
#define BRISVANE_PO_TRANSLATION_TABLE_H

#include <QHash>
#include <QString>
#include <QVector>

#include "po/po_catalog.h"

/// The translations of a PO file, found by text or by definition and text.
class TranslationTable {
 public:
  explicit TranslationTable(const QVector<PoEntry>& entries);

  /// The translation a literal of `definition` with `text` takes: the entry
  /// with that definition as msgctxt when there is one, else the entry of
  /// that text without msgctxt. Null when that entry is missing, fuzzy or
  /// untranslated.
  const QString* find(const QString& definition, const QString& text) const;

  /// How many entries carry a translation that is applied where it fits.
  int translatedCount() const { return translated_; }

 private:
  QHash<QString, QString> byText_;
  QHash<QString, QString> byDefinition_;  ///< key: definition, line feed, text
  int translated_ = 0;
};

#endif
