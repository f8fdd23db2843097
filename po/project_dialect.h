#ifndef BRISVANE_PO_PROJECT_DIALECT_H
#define BRISVANE_PO_PROJECT_DIALECT_H

#include <QVector>

#include "po/po_command_line.h"
#include "po/project_sources.h"
#include "tadslex/dialect_detection.h"

/// The dialect `config`'s project is read in: --tads, else told from
/// `sources` (the project's, in walk order) as brisvane-check tells it.
DialectVerdict projectDialect(const PoConfig& config, const QVector<ProjectSource>& sources);

#endif
