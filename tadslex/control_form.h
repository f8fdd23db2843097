#ifndef BRISVANE_TADSLEX_CONTROL_FORM_H
#define BRISVANE_TADSLEX_CONTROL_FORM_H

#include <QByteArray>

#include "tadslex/tads_lexer.h"

/// What the `<<...>>` part `part` is, from its source text (with its brackets):
/// a control form of the TADS 3 compiler (`<<if x>>`, `<<unless x>>`,
/// `<<else>>`, `<<else if x>>`, `<<otherwise>>`, `<<end>>`, `<<one of>>`,
/// `<<or>>`, `<<||>>`, `<<stopping>>`, `<<cycling>>`, `<<at random>>`,
/// `<<shuffled>>` and the other endings of a one-of list, `<<first time>>`,
/// `<<only>>`), a `<<%` format, or else an expression.
EmbeddedKind classifyEmbeddedPart(const char* part, int size);
EmbeddedKind classifyEmbeddedPart(const QByteArray& part);

/// True when `part` (with its brackets) is a control form.
bool isControlForm(const QByteArray& part);

#endif
