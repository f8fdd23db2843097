#ifndef BRISVANE_PATCH_LINE_PATCHER_H
#define BRISVANE_PATCH_LINE_PATCHER_H

#include <QString>
#include <QStringList>
#include <QVector>

#include "scan/document_model.h"

/// The placeholder of literal `literalIndex` in a line template: two
/// backslashes, the number, one space.
QString placeholderFor(quint32 literalIndex);

/// The line with the content of each literal replaced by its numbered
/// placeholder (quotes kept), or an empty text (with the multi-line warning
/// appended to `warnings`) when the line ends inside a literal.
QString makeLineTemplate(QString line, QStringList& warnings);

/// The line after the row of literal `literalIndex` with `text` was
/// applied: literal 0 rebuilds the template from `line` first; every
/// occurrence of the row's placeholder then takes its text verbatim. False
/// when the line stays unchanged.
bool patchLine(const QString& line, quint32 literalIndex, QStringView text, QString& patched,
               QStringList& warnings);

/// True when `text` holds two backslashes in a row, as every placeholder
/// begins: a text without can never make one, wherever it is put.
bool holdsDoubleBackslash(QStringView text);

/// Applies all `rows` of one line of `file` (in document order) in a single
/// pass, for the usual shape: the first row has literal 0, no later row has,
/// no text holds a double backslash and none stands outside the literals
/// (quotes stand between a literal's text and anything else). Then the outcome equals applying the
/// rows one by one with patchLine, and no warning is due. False, with `line` untouched, for any
/// other shape.
bool patchLineAtOnce(const QString& line, const FileEntry& file, const LineRecord* const* rows,
                     int rowCount, QString& patched);

/// The rows of `file` that point at one of its `lineCount` lines, sorted by
/// line; the rows of a line keep their document order.
QVector<const LineRecord*> rowsByLine(const FileEntry& file, quint32 lineCount);

/// Calls `patchAtOnce(lineIndex, rows, rowCount)` once per line of `rows`
/// (as rowsByLine gives them), in line order.
template <typename PatchAtOnce>
void forEachRowLine(const QVector<const LineRecord*>& rows, PatchAtOnce patchAtOnce) {
  for (int first = 0; first < rows.size();) {
    int last = first;
    while (last < rows.size() && rows[last]->lineIndex == rows[first]->lineIndex) ++last;
    patchAtOnce(rows[first]->lineIndex, rows.constData() + first, last - first);
    first = last;
  }
}

/// The second pass over a file: every row whose line `pendingText(lineIndex)`
/// gives a text for (a line not done in one pass; null for the others) is
/// applied to that text with patchLine, in document order, which keeps the
/// warnings in that order.
template <typename PendingText>
void patchRowByRow(const FileEntry& file, quint32 lineCount, PendingText pendingText,
                   QStringList& warnings) {
  for (const LineRecord& row : file.rows) {
    if (row.lineIndex >= lineCount) continue;
    QString* text = pendingText(row.lineIndex);
    QString patched;
    if (text && patchLine(*text, row.literalIndex, file.textOf(row), patched, warnings)) {
      *text = patched;
    }
  }
}

#endif
