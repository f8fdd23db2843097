#ifndef BRISVANE_CHECK_JOINED_ROWS_H
#define BRISVANE_CHECK_JOINED_ROWS_H

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include "check/finding.h"
#include "check/project_tree.h"
#include "scan/document_model.h"

/// A row of a CSV document into whose text a spreadsheet drew other records:
/// it read a double quote of get mode's unescaped form as the start of a
/// quoted field and went on to the next quote, records and line breaks
/// included.
struct JoinedRow {
  QString section;
  LineEntry row;  ///< as the document holds it: the position of its last record
  QList<QPair<quint32, quint32>> swallowed;  ///< (line, literal) of the records it took in
};

/// The rows whose text holds the shape of other records: a quote, a
/// position such as `";0;738;0` and a line break (a space once read, or
/// nothing when the translator took it out) before "LINE;", "CHUNK;",
/// "FILE;" or "END CHUNK".
QList<JoinedRow> findJoinedRows(const DocumentModel& model);

/// `model` with every joined row and every row it swallowed holding its
/// source text (from `sourceLiterals`, see indexSourceLiterals); a
/// swallowed row the document lacks is put back before the row that took
/// it in.
DocumentModel withJoinedRowsRestored(DocumentModel model, const QList<JoinedRow>& joined,
                                     const QHash<QString, LineEntry>& sourceLiterals);

/// One finding per joined row, at the first source file of its section's
/// name, naming the rows it swallowed.
Findings describeJoinedRows(const SourceFolder& root, const QList<JoinedRow>& joined);

#endif
