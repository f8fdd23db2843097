#ifndef BRISVANE_PO_TEMPLATE_BUILDER_H
#define BRISVANE_PO_TEMPLATE_BUILDER_H

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>
#include <utility>
#include <vector>

#include "po/po_catalog.h"
#include "po/source_file.h"
#include "po/template_naming.h"
#include "tadslex/tads_lexer.h"

/// True when `text`, the text of a `quote` literal, holds a letter outside
/// escapes (`\b`), markup tags and pattern classes (`<.p>`, `<Alpha|-|&>`),
/// embedded expressions and pattern escapes (`%<`): only such literals
/// become entries, the others hold nothing a translator writes.
bool holdsWords(const QString& text, QuoteKind quote, TadsDialect dialect);

/// The "#." line describing one place of a literal: definition and property
/// or template place, quote kind, and what a single-quoted literal may be.
QString placeNote(const TadsLiteral& literal);

/// Gathers the template's entries file by file: one entry per distinct text
/// (per definition and text when keyed by definition), in the order texts
/// first occur, every place a reference and a note. They are held compactly
/// here and handed to gettext's writer a piece at a time.
class TemplateBuilder {
 public:
  TemplateBuilder(bool contextByDefinition, TadsDialect dialect);

  /// Adds every literal of `lexed` that holds words; `relativePath` names
  /// the file in references. Its declarations count as addDeclarations',
  /// and its GameID object (if it is the first) names the game in the header.
  void addFile(const QString& relativePath, const SourceFile& file, const LexResult& lexed);

  /// Reads the template declarations and classes of a file that is not
  /// extracted (a header, a library), which name the template parts' places.
  /// A library's GameID objects (a new game's skeleton) do not name the game.
  void addDeclarations(const LexResult& lexed);

  int entryCount() const { return int(entries_.size()); }
  /// Distinct texts left out because they hold no words.
  int wordlessCount() const { return wordless_.size(); }
  /// The msgctxt (null when none) and msgid of entry `number`, in UTF-8.
  QByteArray context(int number) const;
  QByteArray msgid(int number) const;
  /// Adds the "#." line `note` to entry `number`, after the notes of its places.
  void addNote(int number, const QString& note);

  /// The entries gathered so far, for a caller that fills in translations.
  QVector<PoEntry> entries();

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
    /// For a literal of a template part: its part in parts_ and its item
    /// there, and the bytes of its note before and after ", template part N".
    int part = -1;
    int item = -1;
    int definitionLength = 0;
    int placeLength = 0;
  };
  /// An object's template part, by its classes and the kinds of its items.
  struct TemplatePart {
    QStringList superclasses;
    QVector<TemplateItemKind> kinds;
  };

  /// The number of the entry for `msgid` in `context`, added when new.
  int entryFor(const QByteArray& context, const QByteArray& msgid);
  /// Adds entry `number` with its places to `po`.
  void addTo(PoBuilder& po, int number, const std::vector<int>& placeOrder,
             const std::vector<int>& firstPlace) const;
  /// The "#." line of `place`, its template place named where a declaration
  /// names it.
  QByteArray noteOf(const Place& place) const;
  /// Names the properties of every template part (into partProperties_).
  void nameTemplateParts();
  /// The header: the game's name and version from its GameID object.
  QString header() const;
  /// The places of each entry in turn (into places_), and where each entry's
  /// run of them begins (one more than there are entries).
  void groupPlaces(std::vector<int>& placeOrder, std::vector<int>& firstPlace) const;
  /// Takes the game's name and version from `lexed`'s GameID object, once.
  void readGameName(const SourceFile& file, const LexResult& lexed);

  bool byDefinition_;
  TadsDialect dialect_;
  QString created_;  ///< the creation date of the header
  TemplateCatalog catalog_;
  QVector<TemplatePart> parts_;
  QVector<QStringList> partProperties_;
  QSet<QByteArray> wordless_;
  QString gameName_;
  QString gameVersion_;
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
