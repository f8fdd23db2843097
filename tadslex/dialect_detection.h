#ifndef BRISVANE_TADSLEX_DIALECT_DETECTION_H
#define BRISVANE_TADSLEX_DIALECT_DETECTION_H

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "tadslex/tads_lexer.h"

/// Which dialect a project is read as, and why.
struct DialectVerdict {
  TadsDialect dialect = TadsDialect::Tads3;
  /// What in the project told it ("start.t" includes <adv3.h>); empty when
  /// the option gave it or nothing did.
  QString evidence;
  bool fromOption = false;
};

/// The dialect of the project under `rootDir` whose sources, in walk order,
/// are `sourcePaths` (relative, "/"-separated; `linesOf(i)` gives the lines of
/// source i, read only until the answer is known): TADS 3 when a source starts
/// a line with #charset or includes <adv3.h>, <adv3Lite.h> or <tads.h>, or the
/// tree holds a .t3m or .tl file; else TADS 2 when a source includes <adv.t>
/// or <std.t> or the tree holds a file of either name; else TADS 3, assumed.
/// `option`, when given, wins.
DialectVerdict detectTadsDialect(const QString& rootDir, const QStringList& sourcePaths,
                                 const std::function<QStringList(int index)>& linesOf,
                                 std::optional<TadsDialect> option);

/// "TADS 2" or "TADS 3".
QString dialectName(TadsDialect dialect);

/// Reads "2" or "3" (a --tads option's value) into `dialect`; false for
/// anything else.
bool parseDialect(const QString& value, TadsDialect& dialect);

#endif
