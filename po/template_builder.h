#ifndef BRISVANE_PO_TEMPLATE_BUILDER_H
#define BRISVANE_PO_TEMPLATE_BUILDER_H

#include <QByteArray>
#include <QString>
#include <QVector>
#include <utility>
#include <vector>

#include "po/po_catalog.h"
#include "po/source_file.h"
#include "tadslex/tads_lexer.h"

/// True when `text` holds a letter: only such literals become entries.
bool holdsLetter(const QString& text);

/// The "#." line describing one place of a literal: definition and property
/// or template place, quote kind, and what a single-quoted literal may be.
QString placeNote(const TadsLiteral& literal);

/// Gathers the template's entries file by file, straight into gettext's
/// memory: one entry per distinct text (per definition and text when keyed by
/// definition), in the order texts first occur, every place a reference and
/// a note.
class TemplateBuilder {
 public:
  explicit TemplateBuilder(bool contextByDefinition);

  /// Adds every literal of `lexed` that holds a letter; `relativePath` names
  /// the file in references.
  void addFile(const QString& relativePath, const SourceFile& file, const LexResult& lexed);

  int entryCount() const { return notes_.size(); }

  /// The entries gathered so far, for a caller that fills in translations.
  QVector<PoEntry> entries();

  /// Writes the template to `path` (see PoBuilder::write).
  bool write(const QString& path, QString& error);

 private:
  /// The number of the entry for `msgid` in `context`, added when new.
  int entryFor(const QByteArray& context, const QByteArray& msgid);

  bool byDefinition_;
  PoBuilder po_;
  /// Entries by a hash of context and text, in an open-addressed table of
  /// (hash, entry number + 1) pairs; gettext holds the texts, so a key is kept
  /// once in memory and compared there.
  std::vector<std::pair<uint, int>> slots_;
  QVector<QByteArray> notes_;  ///< each entry's "#." lines so far
};

#endif
