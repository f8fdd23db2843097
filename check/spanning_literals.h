#ifndef BRISVANE_CHECK_SPANNING_LITERALS_H
#define BRISVANE_CHECK_SPANNING_LITERALS_H

#include <QString>

#include "check/project_tree.h"
#include "check/tads_version.h"

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
/// it as `version` does.
SpanningLiterals countSpanningLiterals(const QString& rootDir, const SourceFolder& root,
                                       TadsVersion version);

/// The report's line about them, pointing to brisvane-po.
QString describeSpanning(const SpanningLiterals& count);

#endif
