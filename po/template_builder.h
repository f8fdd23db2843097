#ifndef BRISVANE_PO_TEMPLATE_BUILDER_H
#define BRISVANE_PO_TEMPLATE_BUILDER_H

#include <QByteArray>
#include <QHash>
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

/// Gathers the template's entries file by file: one entry per distinct text
/// (per definition and text when keyed by definition), in the order texts
/// first occur, every place a reference and a note. They are held compactly
/// here and handed to gettext's writer a piece at a time.
class TemplateBuilder {
 public:
  explicit TemplateBuilder(bool contextByDefinition);

  /// Adds every literal of `lexed` that holds a letter; `relativePath` names
  /// the file in references.
  void addFile(const QString& relativePath, const SourceFile& file, const LexResult& lexed);

  int entryCount() const { return int(entries_.size()); }
  /// The msgctxt (null when none) and msgid of entry `number`, in UTF-8.
  QByteArray context(int number) const;
  QByteArray msgid(int number) const;
  /// Adds the "#." line `note` to entry `number`, after the notes of its places.
  void addNote(int number, const QString& note);

  /// The entries gathered so far, for a caller that fills in translations.
  QVector<PoEntry> entries() const;

  /// Writes the template to `path` (see writePoFileInPieces).
  bool write(const QString& path, QString& error);

 private:
  /// A piece of texts_ or notes_.
  struct Slice {
    int begin = 0;
    int size = -1;  ///< -1: none (an entry without msgctxt)
  };
  struct Entry {
    Slice context;
    Slice msgid;
  };
  struct Place {
    int entry;
    int path;  ///< in paths_
    int line;
    Slice note;  ///< its "#." line, without line feed
  };

  /// The number of the entry for `msgid` in `context`, added when new.
  int entryFor(const QByteArray& context, const QByteArray& msgid);
  /// Adds entry `number` with its places to `po`.
  void addTo(PoBuilder& po, int number, const std::vector<int>& placeOrder,
             const std::vector<int>& firstPlace) const;
  /// The places of each entry in turn (into places_), and where each entry's
  /// run of them begins (one more than there are entries).
  void groupPlaces(std::vector<int>& placeOrder, std::vector<int>& firstPlace) const;

  bool byDefinition_;
  QString header_;
  // Texts and notes one after another in two large buffers: a hundred
  // thousand small strings cost twice their size in headers and heap.
  QByteArray texts_;
  QByteArray notes_;
  std::vector<Entry> entries_;
  QVector<QByteArray> paths_;
  std::vector<Place> places_;
  /// Entries by a hash of context and text, in an open-addressed table of
  /// (hash, entry number + 1) pairs.
  std::vector<std::pair<uint, int>> slots_;
  QHash<int, QByteArray> addedNotes_;  ///< by entry number, each line with its line feed
};

#endif
