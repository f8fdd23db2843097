#ifndef BRISVANE_TADSLEX_LITERAL_BODY_H
#define BRISVANE_TADSLEX_LITERAL_BODY_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include "tadslex/tads_lexer.h"
#include "tadslex/text_pieces.h"

/// A literal's body read back on its own, between the quotes of its kind.
struct LiteralCheck {
  /// The body reads back as exactly one literal of that kind, closed by the
  /// closing quotes that follow it and by nothing before them.
  bool ok = false;
  QString problem;  ///< why not, when `ok` is false
  /// The body as the compiler reads it, folded like `TadsLiteral::text`.
  QByteArray text;
  QVector<QByteArray> embedded;      ///< the source of every `<<...>>` part, in order
  QVector<TextSpan> embeddedAt;      ///< where each stands in the body, in bytes
  QVector<QByteArray> controlForms;  ///< the control forms among them, in order
};

/// Reads `body` as it would stand between the quotes of a `quote` literal at
/// a place where `spacing` is in force (`depth` > 0 for a literal inside an
/// embedded expression). The `brisvane-po apply` rule: a translation is
/// accepted only if this is ok and `text` equals the translation.
LiteralCheck checkLiteralBody(const QByteArray& body, QuoteKind quote,
                              TadsDialect dialect = TadsDialect::Tads3,
                              NewlineSpacing spacing = NewlineSpacing::Collapse, int depth = 0);

/// Compares a replacement's parts with the original's: every embedded
/// expression and format kept (in any order, none removed, changed or
/// added), the control forms kept in the same order. Empty when they are,
/// else what differs.
QString compareEmbeddedParts(const LiteralCheck& original, const LiteralCheck& replacement);

#endif
