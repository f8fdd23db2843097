#include "check/reading_checks.h"

#include <QMap>
#include <QPair>

#include "check/model_lookup.h"
#include "check/walk_forecast.h"
#include "docread/tolerant_reading.h"
#include "patch/patch_walk.h"
#include "scan/literal_scanner.h"

namespace {

using Position = QPair<quint32, quint32>;

QStringList patched(const ProjectFile& file, const FileEntry& section) {
  QStringList lines = file.lines;
  patchLines(lines, section);  // its warnings are the main tool's to print
  return lines;
}

// The rows of a section on the given lines, by position; a position that
// appears twice keeps its rows in document order.
QMap<Position, QList<QString>> rowsOnLines(const FileEntry& section, const QSet<quint32>& lines) {
  QMap<Position, QList<QString>> rows;
  for (const LineEntry& row : section.entries()) {
    if (lines.contains(row.lineIndex)) rows[{row.lineIndex, row.literalIndex}] << row.text;
  }
  return rows;
}

QString dropReason(const StrictForecast& forecast, const QStringList& quirks) {
  if (!quirks.isEmpty()) return QStringLiteral("dropped by new mode: ") + quirks.join("; ");
  if (!forecast.stop.isEmpty()) {
    return QStringLiteral("dropped by new mode, which stops reading before it");
  }
  return QStringLiteral("dropped by new mode");
}

// What a patched line holds at literal `index`, quotes included, in the
// source's spelling; empty when the line no longer has such a literal.
QString literalOf(const QString& line, quint32 index) {
  const ScannedLine scanned = scanLine(line);
  if (scanned.unterminated || index >= static_cast<quint32>(scanned.literals.size())) {
    return QString();
  }
  const LiteralSpan span = scanned.literals[static_cast<int>(index)];
  return unmaskEscapedQuotes(scanned.masked.mid(span.begin - 1, span.end - span.begin + 2));
}

// A source file patched with its section as the document means it and as
// new mode would read it.
struct PatchedBothWays {
  const ProjectFile& file;
  QStringList meantLines;
  QStringList readLines;
};

// A finding at `position`; with `sayWhatCodeHolds`, it adds what the code
// holds there after new mode's patching when that is not the source's
// literal: a placeholder or an emptied literal.
Finding rowFinding(const PatchedBothWays& both, const Position& position, const QString& message,
                   bool sayWhatCodeHolds = false) {
  QString holds;
  if (sayWhatCodeHolds) {
    const int line = static_cast<int>(position.first);
    holds = literalOf(both.readLines.value(line), position.second);
    // Only a literal that no longer holds its source text is news.
    if (holds == literalOf(both.file.lines.value(line), position.second)) holds.clear();
  }
  return Finding{both.file.path, position.first, position.second,
                 holds.isEmpty()
                     ? message
                     : message + QStringLiteral("; the code then holds %1").arg(shown(holds))};
}

// Explains the rows of the `differing` lines that new mode drops, reads
// differently or reads where the document holds none; returns the lines
// explained.
QSet<quint32> explainRows(const PatchedBothWays& both, const FileEntry& meant,
                          const FileEntry& read, const StrictForecast& forecast,
                          const QSet<quint32>& differing, Findings& findings) {
  const auto meantRows = rowsOnLines(meant, differing);
  const auto readRows = rowsOnLines(read, differing);
  QSet<quint32> explained;
  for (auto row = meantRows.constBegin(); row != meantRows.constEnd(); ++row) {
    const QList<QString> readTexts = readRows.value(row.key());
    const QStringList quirks =
        forecast.quirks.value(rowKey(meant.name, row.key().first, row.key().second));
    for (int i = 0; i < row.value().size(); ++i) {
      if (i >= readTexts.size()) {
        findings << rowFinding(both, row.key(), dropReason(forecast, quirks), true);
      } else if (readTexts[i] != row.value()[i]) {
        QString message =
            QStringLiteral("new mode would write \"%1\" where the document means \"%2\"")
                .arg(shown(readTexts[i]), shown(row.value()[i]));
        if (!quirks.isEmpty()) message += QStringLiteral(": ") + quirks.join("; ");
        findings << rowFinding(both, row.key(), message, readTexts[i].isEmpty());
      } else {
        continue;
      }
      explained.insert(row.key().first);
    }
  }
  for (auto row = readRows.constBegin(); row != readRows.constEnd(); ++row) {
    if (row.value().size() <= meantRows.value(row.key()).size()) continue;
    findings << rowFinding(both, row.key(),
                           QStringLiteral("new mode reads a row here that the document does not "
                                          "hold for this file"));
    explained.insert(row.key().first);
  }
  return explained;
}

// Patches `file` with the section as meant and as read and explains every
// line that comes out differently.
void compareFile(const ProjectFile& file, const FileEntry& meant, const FileEntry& read,
                 const StrictForecast& forecast, Findings& findings) {
  const PatchedBothWays both{file, patched(file, meant), patched(file, read)};
  QSet<quint32> differing;
  for (int i = 0; i < both.meantLines.size(); ++i) {
    if (both.meantLines[i] != both.readLines[i]) differing.insert(static_cast<quint32>(i));
  }
  if (differing.isEmpty()) return;
  const QSet<quint32> explained = explainRows(both, meant, read, forecast, differing, findings);
  QList<quint32> unexplained = (differing - explained).values();
  std::sort(unexplained.begin(), unexplained.end());
  for (quint32 line : unexplained) {
    findings << Finding{file.path, line, -1,
                        QStringLiteral("new mode would write the line as \"%1\" where the "
                                       "document means \"%2\"")
                            .arg(shown(both.readLines[static_cast<int>(line)]),
                                 shown(both.meantLines[static_cast<int>(line)]))};
  }
}

// How new mode reads the heading of a section it does not find, when it
// reads one that differs only in white space.
QString headingAsRead(const DocumentModel& read, const QString& name) {
  for (const FileEntry& section : read) {
    if (section.name != name && section.name.simplified() == name) {
      return QStringLiteral(" (it reads the heading as \"%1\")").arg(shown(section.name));
    }
  }
  if (read.isEmpty()) return QStringLiteral(" (it reads no section at all)");
  return QString();
}

}  // namespace

Findings checkReading(const SourceFolder& root, const DocumentModel& meant,
                      const StrictForecast& forecast) {
  Findings findings;
  const QSet<QString> meantNames = sectionNamesOf(meant);
  QHash<const ProjectFile*, QString> stops;
  QSet<const ProjectFile*> leftOut;
  for (const WalkStop& stop : forecastWalkStops(root, sectionNamesOf(forecast.model))) {
    for (const ProjectFile* file : stop.leftOutFiles) leftOut.insert(file);
    leftOut.insert(stop.file);
    if (meantNames.contains(stop.file->baseName)) stops.insert(stop.file, leftOutText(stop));
  }
  for (const ProjectFile* file : filesInWalkOrder(root)) {
    if (stops.contains(file)) {
      findings << Finding{file->path, -1, -1,
                          QStringLiteral("new mode does not find the section \"%1\"%2, so it "
                                         "stops here (\"Error: no such file\") and %3")
                              .arg(file->baseName, headingAsRead(forecast.model, file->baseName),
                                   stops.value(file))};
      continue;
    }
    // A file the walk leaves out is the business of the stop that does so.
    if (leftOut.contains(file)) continue;
    const FileEntry* meantSection = findFileEntry(meant, file->baseName);
    const FileEntry* readSection = findFileEntry(forecast.model, file->baseName);
    if (!meantSection || !readSection) continue;
    compareFile(*file, *meantSection, *readSection, forecast, findings);
  }
  // Where reading stopped early and that cost something, say where it stops.
  if (!findings.isEmpty() && !forecast.stop.isEmpty()) {
    findings << Finding{QStringLiteral("document"), -1, -1, forecast.stop};
  }
  return findings;
}
