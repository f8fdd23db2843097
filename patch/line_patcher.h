#ifndef BRISVANE_PATCH_LINE_PATCHER_H
#define BRISVANE_PATCH_LINE_PATCHER_H

#include <QString>
#include <QVector>

#include "scan/document_model.h"

/// The placeholder of literal `literalIndex` in a line template: two
/// backslashes, the number, one space.
QString placeholderFor(quint32 literalIndex);

/// The line with the content of each literal replaced by its numbered
/// placeholder (quotes kept), or an empty text (with the multi-line warning)
/// when the line ends inside a literal.
QString makeLineTemplate(QString line);

/// The line after `entry` was applied: literal 0 rebuilds the template from
/// `line` first; every occurrence of the entry's placeholder then takes its
/// text verbatim. False when the line stays unchanged.
bool patchLine(const QString& line, const LineEntry& entry, QString& patched);

/// Applies all `rows` of one line (in document order) in a single pass, for
/// the usual shape: the first row has literal 0, no later row has, no text
/// holds a backslash and no double backslash stands outside the literals.
/// Then the outcome equals applying the rows one by one with patchLine, and
/// no warning is due. False, with `line` untouched, for any other shape.
bool patchLineAtOnce(const QString& line, const QVector<const LineEntry*>& rows,
                     QString& patched);

#endif
