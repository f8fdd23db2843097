#ifndef BRISVANE_PO_PLAY_TAG_H
#define BRISVANE_PO_PLAY_TAG_H

#include <QString>
#include <QVector>

#include "tadslex/tads_lexer.h"

/// The stand-in translation `play` gives entry `tag`: `text` with a code
/// naming the entry put after the first letter of every prose word (see
/// proseWords), "iron key" as "izqbzqron kzqbzqey". Every word is changed,
/// so vocabulary and texts the program compares no longer match, while the
/// first letter (which decides "a" or "an" and capitals) and the end of each
/// word (which decides plurals) stay, and taking the codes out gives the
/// text back.
QString taggedStandIn(const QString& text, int tag, QuoteKind quote, TadsDialect dialect);

/// A transcript with the codes of taggedStandIn taken out.
struct UntaggedText {
  QString text;
  /// Per character of `text`: the tag of the stand-in word it belongs to,
  /// or -1.
  QVector<int> owner;
};

/// Takes the codes out of `printed` (upper or lower case), noting which
/// letters came from which entry.
UntaggedText untag(const QString& printed);

#endif
