#ifndef BRISVANE_PO_TEMPLATE_BUILDER_H
#define BRISVANE_PO_TEMPLATE_BUILDER_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include "po/po_catalog.h"
#include "po/source_file.h"
#include "tadslex/tads_lexer.h"

/// True when `text` holds a letter: only such literals become entries.
bool holdsLetter(const QString& text);

/// The "#." line describing one place of a literal: definition and property
/// or template place, quote kind, and what a single-quoted literal may be.
QString placeNote(const TadsLiteral& literal);

/// Gathers the template's entries file by file: one entry per distinct text
/// (per definition and text when keyed by definition), in the order texts
/// first occur, with every place as a reference and a note.
class TemplateBuilder {
 public:
  explicit TemplateBuilder(bool contextByDefinition) : byDefinition_(contextByDefinition) {}

  /// Adds every literal of `lexed` that holds a letter; `relativePath` names
  /// the file in references.
  void addFile(const QString& relativePath, const SourceFile& file, const LexResult& lexed);

  const QVector<PoEntry>& entries() const { return entries_; }

 private:
  bool byDefinition_;
  QVector<PoEntry> entries_;
  QHash<QString, int> indexByKey_;
  QVector<QSet<QString>> notesOf_;  ///< each entry's notes, for finding repeats
};

#endif
