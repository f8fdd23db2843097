#ifndef BRISVANE_PO_LITERAL_RENDERER_H
#define BRISVANE_PO_LITERAL_RENDERER_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include "po/source_file.h"
#include "po/translation_table.h"
#include "tadslex/tads_lexer.h"

/// A translation that was not written, at one place.
struct Refusal {
  QString place;   ///< "path:line" of the literal
  QString msgid;
  QString reason;
};

/// The outcome of translating one file.
struct RenderedFile {
  bool changed = false;  ///< false: `bytes` is the source, untouched
  QByteArray bytes;
  int applied = 0;       ///< literals that carry a translation
  QVector<Refusal> refusals;
};

/// Writes `file` with every literal of `lexed` whose translation in `table`
/// passes the checks carrying it, and every other byte as it stands. With
/// `toUtf8`, a changed file is written in UTF-8 and declares it (its
/// `#charset` name changed, or a byte-order mark put first); without it, a
/// translation the file's character set cannot hold is refused.
/// `relativePath` names the file in refusals.
RenderedFile renderFile(const SourceFile& file, const LexResult& lexed,
                        const TranslationTable& table, bool toUtf8, const QString& relativePath);

#endif
