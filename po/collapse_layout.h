#ifndef BRISVANE_PO_COLLAPSE_LAYOUT_H
#define BRISVANE_PO_COLLAPSE_LAYOUT_H

#include <QString>
#include <QVector>

#include "po/translation_check.h"

/// Where a literal that spans lines stands in its source.
struct LineFrame {
  int firstColumn = 0;  ///< characters before the body on the opening line
  QString indent;       ///< the blanks that start its continuation lines
  int width = 79;       ///< its longest source line, in characters
  QString lineBreak = QStringLiteral("\n");
};

/// The frame of the literal whose body starts at byte `bodyBegin` of `text`
/// and ends at `bodyEnd` (both in the decoded file `text`, as characters).
LineFrame measureSourceFrame(const QString& text, int bodyBegin, int bodyEnd);

/// Lays `body` out over lines of `frame`: fills each line up to the width
/// and breaks only at a single space outside `parts` and escapes, never
/// after a `\n` escape and never before a word a compiler would misread at a
/// line's start (`}`, `;`, `#...`). Folded by `collapse`, the result reads
/// as `body` again.
QString wrapToSourceLines(const QString& body, const QVector<TextSpan>& parts,
                          const LineFrame& frame);

#endif
