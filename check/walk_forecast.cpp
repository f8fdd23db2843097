#include "check/walk_forecast.h"

namespace {

void walkFolder(const SourceFolder& folder, const QSet<QString>& names, QList<WalkStop>& stops) {
  for (int i = 0; i < folder.files.size(); ++i) {
    if (names.contains(folder.files[i].baseName)) continue;
    WalkStop stop;
    stop.file = &folder.files[i];
    for (int later = i + 1; later < folder.files.size(); ++later) {
      stop.leftOut << folder.files[later].path;
      stop.leftOutFiles << &folder.files[later];
    }
    for (const SourceFolder& child : folder.folders) {
      stop.leftOut << child.path + QLatin1Char('/');
      stop.leftOutFiles += filesInWalkOrder(child);
    }
    stops << stop;
    return;
  }
  for (const SourceFolder& child : folder.folders) walkFolder(child, names, stops);
}

}  // namespace

QList<WalkStop> forecastWalkStops(const SourceFolder& root, const QSet<QString>& sectionNames) {
  QList<WalkStop> stops;
  walkFolder(root, sectionNames, stops);
  return stops;
}

QSet<QString> sectionNamesOf(const DocumentModel& model) {
  QSet<QString> names;
  for (const FileEntry& file : model) names.insert(file.name);
  return names;
}

QString leftOutText(const WalkStop& stop) {
  QString text = QStringLiteral("leaves it out of the copy");
  if (!stop.leftOut.isEmpty()) text += QStringLiteral(", with ") + stop.leftOut.join(", ");
  return text;
}
