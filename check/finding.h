#ifndef BRISVANE_CHECK_FINDING_H
#define BRISVANE_CHECK_FINDING_H

#include <QList>
#include <QString>

/// One problem that would make new mode lose or damage text.
struct Finding {
  QString where;             ///< a source file's path, a section or "document"
  qint64 lineIndex = -1;     ///< 0-based line, or -1 when the problem has none
  qint64 literalIndex = -1;  ///< 0-based literal, or -1
  QString message;
};

using Findings = QList<Finding>;

/// A text as a message shows it inside quotes: line feeds, carriage returns
/// and tabs written as \n, \r and \t, so that a report line stays one line,
/// and a non-breaking space as "&nbsp;", so that it shows.
QString shown(QString text);

#endif
