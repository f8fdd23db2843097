#ifndef BRISVANE_PO_PLAY_PROSE_H
#define BRISVANE_PO_PLAY_PROSE_H

#include <QString>
#include <QVector>

#include "po/translation_check.h"
#include "tadslex/tads_lexer.h"

/// The words of a TADS text that a translation rewrites: the runs of
/// letters of `text` (a msgid: the body as written, escapes and `<<...>>`
/// parts kept) outside what the compiler or the library reads as code:
/// escapes (`\n`, `\^`, `\u00e9`), `<<...>>` parts, markup tags (`<.p>`,
/// `<a href=...>`), entities (`&nbsp;`, `&#38;`), message parameters in
/// braces (`{the dobj/him}`) and, in TADS 2, format strings between percent
/// signs (`%You%`). `quote` is the kind of literal the text stands in.
QVector<TextSpan> proseWords(const QString& text, QuoteKind quote, TadsDialect dialect);

#endif
