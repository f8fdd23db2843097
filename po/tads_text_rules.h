#ifndef BRISVANE_PO_TADS_TEXT_RULES_H
#define BRISVANE_PO_TADS_TEXT_RULES_H

#include <QSet>
#include <QString>
#include <QVector>

#include "po/translation_check.h"
#include "tadslex/tads_lexer.h"

/// The message parameters a library reads in braces at run time
/// (`{The dobj/he}`), as its sources define them.
struct MessageParameters {
  QSet<QString> names;    ///< parameter names, lower case ("the/he", "you/him", "s")
  QSet<QString> objects;  ///< target names ("dobj", "actor")
  bool defined() const { return !names.isEmpty(); }
};

/// The rules a translation's text must keep beyond reading as a literal.
/// Each returns what to change, in a translator's words, or an empty text.
/// `parts` are the spans of the `<<...>>` parts of `body` and `msgidParts`
/// the source texts of those of `msgid`, in order: code, not looked into.

/// Every escape of `body` is one the compiler of `dialect` defines: an
/// unknown one (`\j`) reaches the player as written, a `\u` or `\x` without
/// hexadecimal digits as a stray character.
QString checkEscapes(const QString& body, const QVector<TextSpan>& parts, TadsDialect dialect);

/// Every `{...}` of `body` is a parameter of `msgid` or one `library`
/// defines. Without definitions, only a translation of a text that holds
/// parameters itself is held to them; TADS 2 has none.
QString checkMessageParameters(const QString& body, const QVector<TextSpan>& parts,
                               const QString& msgid, const QStringList& msgidParts,
                               const MessageParameters& library, TadsDialect dialect);

/// Every markup tag that `msgid` closes somewhere (`<q>...</q>`,
/// `<.parser>...</.parser>`) is opened and closed in `body` as in `msgid`.
QString checkMarkupTags(const QString& body, const QVector<TextSpan>& parts, const QString& msgid,
                        const QStringList& msgidParts);

#endif
