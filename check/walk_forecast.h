#ifndef BRISVANE_CHECK_WALK_FORECAST_H
#define BRISVANE_CHECK_WALK_FORECAST_H

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "check/project_tree.h"

/// A source file at which new mode's walk stops for want of a section.
struct WalkStop {
  const ProjectFile* file = nullptr;
  /// What the stop leaves out of the copy besides the file itself: the
  /// later files of its folder and its subfolders (ending in "/").
  QStringList leftOut;
  /// The source files that go with it, those in the subfolders included.
  QList<const ProjectFile*> leftOutFiles;
};

/// Where new mode's walk would stop when the document holds sections of
/// `sectionNames` only: at every file without a section, the rest of its
/// folder, subfolders included, is left out; the walk goes on in the
/// parent folder.
QList<WalkStop> forecastWalkStops(const SourceFolder& root, const QSet<QString>& sectionNames);

/// The names of the sections of `model`.
QSet<QString> sectionNamesOf(const DocumentModel& model);

/// "leaves it out of the copy" with what else goes with it, for messages.
QString leftOutText(const WalkStop& stop);

#endif
