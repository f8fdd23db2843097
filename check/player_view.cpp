#include "check/player_view.h"

#include "check/model_lookup.h"
#include "docread/tolerant_reading.h"
#include "patch/patch_walk.h"
#include "scan/literal_scanner.h"

bool printsAsWritten(const QString& entity, const Interpreter& interpreter) {
  if (interpreter.dialect == TadsDialect::Tads2 && !interpreter.htmlMode) return true;
  return entity == QLatin1String("&apos;");
}

bool switchesHtmlModeOn(const SourceFolder& root) {
  for (const ProjectFile* file : filesInWalkOrder(root)) {
    for (const QString& line : file->lines) {
      if (line.contains(QLatin1String("\\H+"))) return true;
    }
  }
  return false;
}

QHash<QString, QString> indexEscapedLiterals(const QList<const ProjectFile*>& files) {
  QHash<QString, QString> index;
  for (const ProjectFile* file : firstOfEachName(files)) {
    for (const LineRecord& literal : file->literals.rows) {
      if (!literal.doubleQuoted) continue;
      const ScannedLine scanned = scanLine(file->lines.value(static_cast<int>(literal.lineIndex)));
      const LiteralSpan span = scanned.literals.value(static_cast<int>(literal.literalIndex));
      const QString marked = scanned.masked.mid(span.begin, span.end - span.begin);
      if (!marked.contains(QLatin1String("QUOTE>"))) continue;
      index.insert(rowKey(file->baseName, literal.lineIndex, literal.literalIndex), marked);
    }
  }
  return index;
}

RestoredEscapes restoreEscapes(const QString& text, const QString& markedSource) {
  RestoredEscapes restored{text, {}};
  const bool unchanged = text == markersToEntities(markedSource);
  for (const EscapedQuote& quote : kEscapedQuotes) {
    const QLatin1String entity(quote.entity);
    if (!markedSource.contains(QLatin1String(quote.marker)) || !text.contains(entity)) continue;
    if (!unchanged && markedSource.contains(entity)) continue;  // the author's own
    restored.entities << entity;
    if (!unchanged) restored.text.replace(entity, QLatin1String(quote.escape));
  }
  if (unchanged) restored.text = unmaskEscapedQuotes(markedSource);
  return restored;
}

Findings checkPlayerView(const SourceFolder& root, const DocumentModel& meant,
                         const Interpreter& interpreter) {
  Findings findings;
  const QList<const ProjectFile*> files = filesInWalkOrder(root);
  const QHash<QString, QString> escaped = indexEscapedLiterals(files);
  for (const ProjectFile* file : firstOfEachName(files)) {
    const FileEntry* section = findFileEntry(meant, file->baseName);
    if (!section) continue;
    for (const LineEntry& row : section->entries()) {
      const auto source =
          escaped.constFind(rowKey(file->baseName, row.lineIndex, row.literalIndex));
      if (source == escaped.constEnd()) continue;
      const RestoredEscapes restored = restoreEscapes(row.text, *source);
      QStringList entities;
      QStringList escapes;
      QString seenByPlayer = row.text;
      for (const EscapedQuote& quote : kEscapedQuotes) {
        const QLatin1String entity(quote.entity);
        if (!restored.entities.contains(entity)) continue;
        if (printsAsWritten(entity, interpreter)) {
          entities << entity;
          escapes << QLatin1String(quote.escape);
        } else {
          seenByPlayer.replace(entity, QString(QLatin1Char(quote.quote)));
        }
      }
      if (entities.isEmpty()) continue;
      findings << Finding{
          file->path, row.lineIndex, row.literalIndex,
          QStringLiteral("the player would read \"%1\": %2 prints %3 as written, "
                         "where the source has %4")
              .arg(shown(seenByPlayer), dialectName(interpreter.dialect),
                   entities.join(QStringLiteral(" and ")), escapes.join(QStringLiteral(" and ")))};
    }
  }
  return findings;
}

DocumentModel withSourceEscapes(DocumentModel model, const QHash<QString, QString>& escaped) {
  for (FileEntry& section : model) {
    section = rebuilt(section, [&](LineEntry row, FileEntry& copy) {
      const auto source = escaped.constFind(rowKey(section.name, row.lineIndex, row.literalIndex));
      if (source != escaped.constEnd()) row.text = restoreEscapes(row.text, *source).text;
      copy.appendRow(row);
    });
  }
  return model;
}
