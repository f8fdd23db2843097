#include "check/content_checks.h"

#include <QMap>
#include <QVector>

#include "check/model_lookup.h"
#include "check/walk_forecast.h"
#include "patch/line_patcher.h"
#include "patch/patch_walk.h"
#include "scan/cp1251_codec.h"
#include "scan/literal_scanner.h"

namespace {

Finding at(const ProjectFile& file, qint64 lineIndex, qint64 literalIndex, const QString& message) {
  return Finding{file.path, lineIndex, literalIndex, message};
}

QString unencodable(const QString& text) {
  QStringList characters;
  QByteArray bytes;
  for (int i = 0; i < text.size(); ++i) {
    // A character outside the basic plane comes as two halves: test both.
    const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    i += length - 1;
    if (!encodeCp1251(character, bytes) && !characters.contains(character)) {
      characters << character;
    }
  }
  return characters.join(QLatin1Char(' '));
}

void checkText(const ProjectFile& file, const LineEntry& row, const ScannedLine& scanned,
               Findings& findings) {
  const QChar quote = scanned.literals[static_cast<int>(row.literalIndex)].doubleQuoted
                          ? QLatin1Char('"')
                          : QLatin1Char('\'');
  if (maskEscapedQuotes(row.text).contains(quote)) {
    findings << at(file, row.lineIndex, row.literalIndex,
                   QStringLiteral("the text holds the literal's own quote character (%1), "
                                  "which would end the literal early")
                       .arg(quote));
  } else if (row.text.endsWith(QLatin1Char('\\'))) {
    findings << at(file, row.lineIndex, row.literalIndex,
                   QStringLiteral("the text ends in a backslash, which would escape the "
                                  "literal's closing quote"));
  }
  for (int later = static_cast<int>(row.literalIndex) + 1; later < scanned.literals.size();
       ++later) {
    const QString placeholder = placeholderFor(static_cast<quint32>(later));
    if (!row.text.contains(placeholder)) continue;
    findings << at(file, row.lineIndex, row.literalIndex,
                   QStringLiteral("the text holds the placeholder \"%1\", which new mode "
                                  "would fill with the text of literal %2")
                       .arg(placeholder)
                       .arg(later));
  }
  const QString lost = unencodable(row.text);
  if (!lost.isEmpty()) {
    findings << at(file, row.lineIndex, row.literalIndex,
                   QStringLiteral("the text holds characters that code page 1251 cannot "
                                  "hold: %1")
                       .arg(lost));
  }
}

// The rows of one line, in document order, against the line as the source
// holds it.
void checkLine(const ProjectFile& file, quint32 lineIndex, const QVector<LineEntry>& rows,
               Findings& findings) {
  if (lineIndex >= static_cast<quint32>(file.lines.size())) {
    for (const LineEntry& row : rows) {
      findings << at(file, row.lineIndex, row.literalIndex,
                     QStringLiteral("the row points past the end of the file (%1 lines)")
                         .arg(file.lines.size()));
    }
    return;
  }
  const ScannedLine scanned = scanLine(file.lines[static_cast<int>(lineIndex)]);
  if (scanned.unterminated) {
    for (const LineEntry& row : rows) {
      findings << at(file, row.lineIndex, row.literalIndex,
                     QStringLiteral("the line ends inside a literal, so new mode leaves it "
                                    "as it is"));
    }
    return;
  }
  const quint32 count = static_cast<quint32>(scanned.literals.size());
  int lastZero = -1;
  bool othersInRange = false;
  for (int i = 0; i < rows.size(); ++i) {
    const LineEntry& row = rows[i];
    if (row.literalIndex >= count) {
      findings << at(file, row.lineIndex, row.literalIndex,
                     QStringLiteral("the row points past the last literal of its line "
                                    "(%1 literal%2)")
                         .arg(count)
                         .arg(count == 1 ? "" : "s"));
      continue;
    }
    if (row.literalIndex == 0) lastZero = i;
    othersInRange = othersInRange || row.literalIndex > 0;
    checkText(file, row, scanned, findings);
  }
  if (lastZero < 0) {
    if (othersInRange) {
      findings << at(file, lineIndex, 0,
                     QStringLiteral("row 0 of this line is missing, so new mode leaves the "
                                    "line as it is and its other rows are lost"));
    }
    return;
  }
  for (quint32 literal = 1; literal < count; ++literal) {
    bool filled = false;
    for (int i = lastZero + 1; i < rows.size() && !filled; ++i) {
      filled = rows[i].literalIndex == literal;
    }
    if (filled) continue;
    findings << at(file, lineIndex, literal,
                   QStringLiteral("no row for this literal follows the line's row 0, so the "
                                  "placeholder \"%1\" would stay in the code")
                       .arg(placeholderFor(literal)));
  }
}

void checkFile(const ProjectFile& file, const FileEntry& section, Findings& findings) {
  QMap<quint32, QVector<LineEntry>> rowsByLine;
  for (const LineEntry& row : section.entries()) rowsByLine[row.lineIndex].append(row);
  for (auto line = rowsByLine.constBegin(); line != rowsByLine.constEnd(); ++line) {
    checkLine(file, line.key(), line.value(), findings);
  }
}

void checkSections(const QList<const ProjectFile*>& files, const DocumentModel& meant,
                   Findings& findings) {
  QSet<QString> baseNames;
  for (const ProjectFile* file : files) baseNames.insert(file->baseName);
  QSet<QString> seen;
  for (const FileEntry& section : meant) {
    const QString where = QStringLiteral("section \"%1\"").arg(section.name);
    if (!baseNames.contains(section.name)) {
      findings << Finding{where, -1, -1,
                          QStringLiteral("no source file has this base name, so its rows are "
                                         "never applied")};
    } else if (seen.contains(section.name)) {
      findings << Finding{where, -1, -1,
                          QStringLiteral("a section of this name came before, and new mode "
                                         "applies only the first, so the rows of this one "
                                         "are never applied")};
    }
    seen.insert(section.name);
  }
}

}  // namespace

Findings checkContent(const SourceFolder& root, const DocumentModel& meant) {
  Findings findings;
  const QList<const ProjectFile*> files = filesInWalkOrder(root);
  QHash<const ProjectFile*, QString> stops;
  for (const WalkStop& stop : forecastWalkStops(root, sectionNamesOf(meant))) {
    stops.insert(stop.file, leftOutText(stop));
  }
  QHash<QString, const ProjectFile*> firstOfName;
  for (const ProjectFile* file : files) {
    if (stops.contains(file)) {
      findings << at(*file, -1, -1,
                     QStringLiteral("the document has no section \"%1\", so new mode stops "
                                    "here (\"Error: no such file\") and %2")
                         .arg(file->baseName, stops.value(file)));
    }
    if (firstOfName.contains(file->baseName)) {
      findings << at(*file, -1, -1,
                     QStringLiteral("it shares its base name \"%1\" with %2, and new mode "
                                    "patches both from the first section of that name")
                         .arg(file->baseName, firstOfName.value(file->baseName)->path));
    } else {
      firstOfName.insert(file->baseName, file);
    }
    if (const FileEntry* section = findFileEntry(meant, file->baseName)) {
      checkFile(*file, *section, findings);
    }
  }
  checkSections(files, meant, findings);
  return findings;
}
