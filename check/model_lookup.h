#ifndef BRISVANE_CHECK_MODEL_LOOKUP_H
#define BRISVANE_CHECK_MODEL_LOOKUP_H

#include <QHash>
#include <QList>
#include <QString>

#include "check/project_tree.h"
#include "scan/document_model.h"

/// The files a section applies to in new mode: the first of each base name,
/// in walk order.
QList<const ProjectFile*> firstOfEachName(const QList<const ProjectFile*>& files);

/// Every literal of the project as get mode would write it today, by row key
/// (base name and position); the first file of a base name wins, as in new
/// mode.
QHash<QString, LineEntry> indexSourceLiterals(const QList<const ProjectFile*>& files);

#endif
