#ifndef BRISVANE_PO_TRANSLATION_CHECK_H
#define BRISVANE_PO_TRANSLATION_CHECK_H

#include <QString>
#include <QStringList>
#include <QVector>

#include "tadslex/tads_lexer.h"

struct MessageParameters;

/// What a translation must keep of the literal it replaces.
struct LiteralShape {
  QuoteKind quote = QuoteKind::Double;
  int depth = 0;  ///< 0 in code, more inside an embedded expression
  NewlineSpacing spacing = NewlineSpacing::Collapse;
  QStringList parts;  ///< the `<<...>>` parts of the source literal, in order
  TadsDialect dialect = TadsDialect::Tads3;
  QString msgid;  ///< the source literal's text
};

/// A span of characters in a body.
struct TextSpan {
  int begin = 0;
  int end = 0;
};

/// The verdict on one translation.
struct CheckedTranslation {
  bool ok = false;
  QString reason;           ///< why it is refused, when not ok
  QString body;             ///< the text to write between the quotes
  QVector<TextSpan> parts;  ///< where `body`'s `<<...>>` parts stand, in order
};

/// `translation` with every quote of `quote`'s kind that would end the
/// literal escaped, outside the parts the source literal has (`parts`).
QString escapeBareQuotes(const QString& translation, QuoteKind quote, const QStringList& parts);

/// Escapes bare quotes, then reads the body back with the lexer in a place
/// like the literal's. Accepted when it reads as exactly that body, does not
/// end in a lone backslash, keeps every embedded expression and format of
/// the source (moved ones allowed) and its control forms in their order, and
/// keeps the rules of TADS text (tads_text_rules.h) with `parameters` the
/// library's message parameters. A line break typed in the translation is
/// kept where the compiler keeps it (`#pragma newline_spacing(preserve)`),
/// dropped after a `\n` escape (where the compiler drops it) and refused
/// elsewhere. A refusal's reason says what to change.
CheckedTranslation checkTranslation(const QString& translation, const LiteralShape& shape,
                                    const MessageParameters& parameters);

#endif
