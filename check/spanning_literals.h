#ifndef BRISVANE_CHECK_SPANNING_LITERALS_H
#define BRISVANE_CHECK_SPANNING_LITERALS_H

#include <QString>

#include "check/project_tree.h"
#include "tadslex/tads_lexer.h"

/// The literals of a project as the compiler reads them, and those of them
/// that run over more than one line, which get mode's line-by-line reading
/// leaves out of its document. Literals inside embedded expressions count
/// with the literal around them.
struct SpanningLiterals {
  int literals = 0;
  int spanning = 0;
  qint64 textBytes = 0;      ///< of every literal's body, line breaks folded
  qint64 spanningBytes = 0;  ///< of the bodies of those that span lines
};

/// Reads every source file of `root` (walked under `rootDir`) again and lexes
/// it in `dialect`.
SpanningLiterals countSpanningLiterals(const QString& rootDir, const SourceFolder& root,
                                       TadsDialect dialect);

/// The report's line about them, pointing to brisvane-po.
QString describeSpanning(const SpanningLiterals& count);

#endif
