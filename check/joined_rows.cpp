#include "check/joined_rows.h"

#include <QRegExp>
#include <QSet>
#include <QStringList>

#include "docread/tolerant_reading.h"

namespace {

// The end of a record get mode wrote, as it stands inside a joined text.
const QRegExp kRecordEnd(QStringLiteral(
    "\"\\s*;\\s*[01]\\s*;\\s*(\\d+)\\s*;\\s*(\\d+)\\s*(?=LINE;|CHUNK;|FILE;|END CHUNK)"));

}  // namespace

QList<JoinedRow> findJoinedRows(const DocumentModel& model) {
  QList<JoinedRow> joined;
  for (const FileEntry& section : model) {
    for (const LineEntry& row : section.entries()) {
      QRegExp matcher(kRecordEnd);
      int at = matcher.indexIn(row.text);
      if (at < 0) continue;
      JoinedRow found{section.name, row, {}};
      for (; at >= 0; at = matcher.indexIn(row.text, at + matcher.matchedLength())) {
        found.swallowed << qMakePair(matcher.cap(1).toUInt(), matcher.cap(2).toUInt());
      }
      joined << found;
    }
  }
  return joined;
}

DocumentModel withJoinedRowsRestored(DocumentModel model, const QList<JoinedRow>& joined,
                                     const QHash<QString, LineEntry>& sourceLiterals) {
  for (const JoinedRow& join : joined) {
    for (FileEntry& section : model) {
      if (section.name != join.section) continue;
      QSet<QString> present;
      for (const LineRecord& row : section.rows) {
        present.insert(rowKey(QString(), row.lineIndex, row.literalIndex));
      }
      section = rebuilt(section, [&](LineEntry row, FileEntry& copy) {
        if (row.lineIndex != join.row.lineIndex || row.literalIndex != join.row.literalIndex ||
            row.text != join.row.text) {
          copy.appendRow(row);
          return;
        }
        const auto source =
            sourceLiterals.constFind(rowKey(section.name, row.lineIndex, row.literalIndex));
        if (source != sourceLiterals.constEnd()) row.text = source->text;
        for (const auto& position : join.swallowed) {
          const auto taken =
              sourceLiterals.constFind(rowKey(section.name, position.first, position.second));
          if (taken == sourceLiterals.constEnd() ||
              present.contains(rowKey(QString(), position.first, position.second))) {
            continue;
          }
          copy.appendRow(*taken);
        }
        copy.appendRow(row);
      });
    }
  }
  // A swallowed row the document still holds keeps its source text too.
  for (const JoinedRow& join : joined) {
    for (FileEntry& section : model) {
      if (section.name != join.section) continue;
      section = rebuilt(section, [&](LineEntry row, FileEntry& copy) {
        if (join.swallowed.contains(qMakePair(row.lineIndex, row.literalIndex))) {
          const auto source =
              sourceLiterals.constFind(rowKey(section.name, row.lineIndex, row.literalIndex));
          if (source != sourceLiterals.constEnd()) row.text = source->text;
        }
        copy.appendRow(row);
      });
    }
  }
  return model;
}

Findings describeJoinedRows(const SourceFolder& root, const QList<JoinedRow>& joined) {
  Findings findings;
  const QList<const ProjectFile*> files = filesInWalkOrder(root);
  for (const JoinedRow& join : joined) {
    QString where = QStringLiteral("section \"%1\"").arg(join.section);
    for (const ProjectFile* file : files) {
      if (file->baseName == join.section) {
        where = file->path;
        break;
      }
    }
    QStringList positions;
    for (const auto& position : join.swallowed) {
      positions << QStringLiteral("%1/%2").arg(position.first).arg(position.second);
    }
    findings << Finding{
        where, join.row.lineIndex, join.row.literalIndex,
        QStringLiteral("a spreadsheet joined this row with the record%1 before it (line/literal "
                       "%2), so its text reads \"%3\"; none of them can be applied, and a clean "
                       "document keeps their source text")
            .arg(positions.size() == 1 ? "" : "s", positions.join(QLatin1Char(' ')),
                 shown(join.row.text))};
  }
  return findings;
}
