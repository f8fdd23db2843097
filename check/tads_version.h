#ifndef BRISVANE_CHECK_TADS_VERSION_H
#define BRISVANE_CHECK_TADS_VERSION_H

#include <QString>
#include <optional>

#include "check/project_tree.h"
#include "tadslex/dialect_detection.h"

/// The dialect of the project under `rootDir` (walked as `root`), told from
/// its sources as every companion tells it; `option` (--tads) wins.
DialectVerdict detectProjectDialect(const QString& rootDir, const SourceFolder& root,
                                    std::optional<TadsDialect> option);

/// The report's line about the dialect, naming "--tads" when it assumed one.
QString describeVersion(const DialectVerdict& verdict);

#endif
