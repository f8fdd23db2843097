#ifndef BRISVANE_PO_LITERAL_RENDERER_H
#define BRISVANE_PO_LITERAL_RENDERER_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include "po/po_command_line.h"
#include "po/source_file.h"
#include "po/tads_text_rules.h"
#include "po/translation_table.h"
#include "tadslex/tads_lexer.h"

/// A translation that was not written, at one place.
struct Refusal {
  QString place;  ///< "path:line" of the literal
  QString msgid;
  QString reason;  ///< what to change, in a translator's words
  int poLine = 0;  ///< of the entry in the PO file, 0 when not known
};

/// What every file of one run is translated with.
struct RenderSettings {
  const TranslationTable* table = nullptr;
  const MessageParameters* parameters = nullptr;
  TadsDialect dialect = TadsDialect::Tads3;
  PoConfig::TargetCharset target = PoConfig::TargetCharset::Auto;
};

/// The outcome of translating one file.
struct RenderedFile {
  bool changed = false;  ///< false: `bytes` is the source, untouched
  QByteArray bytes;
  int applied = 0;  ///< literals that carry a translation
  QVector<Refusal> refusals;
  /// When the file is written in another character set than it was read
  /// in: a line saying which (it names the file).
  QString charsetNote;
};

/// Writes `file` with every literal of `lexed` whose translation passes the
/// checks carrying it, and every other byte as it stands. A changed file
/// written in UTF-8 declares it (its `#charset` name changed, or a
/// byte-order mark put first): with the target `Utf8` every changed file,
/// with `Auto` a TADS 3 file whose character set cannot hold its
/// translations or that declares none and receives text beyond ASCII (the
/// compiler would read it in its own default). Otherwise a translation the
/// file's character set cannot hold is refused. `relativePath` names the
/// file in refusals and the note.
RenderedFile renderFile(const SourceFile& file, const LexResult& lexed,
                        const RenderSettings& settings, const QString& relativePath);

#endif
