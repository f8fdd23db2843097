#include "po/import_run.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "docread/tolerant_reading.h"
#include "po/import_corrections.h"
#include "po/import_embedded.h"
#include "po/import_matcher.h"
#include "po/import_text.h"
#include "po/po_catalog.h"
#include "po/project_dialect.h"
#include "po/project_sources.h"
#include "po/source_file.h"
#include "po/template_builder.h"
#include "po/translation_run.h"
#include "scan/source_reading.h"

namespace {

/// The sections of a document by name, in document order: get mode writes one
/// per file, so the k-th section of a name belongs to the k-th file of that
/// base name in the walk. (New mode patches every file of a base name from
/// the first section of that name, findFileEntry; an import takes each file's
/// own section, so that two files of one base name keep their own texts.)
using SectionsByName = QHash<QString, QVector<int>>;

SectionsByName indexSections(const DocumentModel& model) {
  SectionsByName sections;
  for (int i = 0; i < model.size(); ++i) sections[model[i].name].append(i);
  return sections;
}

/// Reads one file's rows against its source and notes each changed row's
/// correction in `corrections` (or a report in `reports`).
void importFile(const ProjectSource& source, const SourceFile& file, const LexResult& lexed,
                TadsDialect dialect, const FileEntry& section, bool whiteSpaceCollapsed,
                CorrectionList& corrections, QStringList& reports) {
  QString getModeText;
  readSourceFile(source.absolutePath, getModeText);
  const GetModeLiterals getMode = getModeLiterals(getModeText);
  const QHash<quint64, int> positions = singleLineLiteralPositions(file.bytes, lexed.literals);
  for (const LineEntry& row : section.entries()) {
    const QString where = QStringLiteral("%1:%2 (literal %3)")
                              .arg(source.relativePath)
                              .arg(row.lineIndex + 1)
                              .arg(row.literalIndex);
    const auto literal = getMode.constFind(positionKey(row.lineIndex, row.literalIndex));
    if (literal == getMode.constEnd()) {
      reports << where + QStringLiteral(
                             ": get mode finds no such literal in the source "
                             "(the document is older than the source?); left out");
      continue;
    }
    const RowTranslation translation =
        translationFromRow(row.text, literal->text, literal->doubleQuoted, whiteSpaceCollapsed);
    if (!translation.changed) continue;
    const int index = positions.value(positionKey(row.lineIndex, literal->column), -1);
    if (index < 0) {
      reports << where + QStringLiteral(
                             ": matches no literal of the source (comment text, "
                             "or part of a literal over several lines); left out");
      continue;
    }
    const QString msgid = decodeIn(file, lexed.literals[index].text);
    if (!holdsWords(msgid, lexed.literals[index].quote, dialect)) {
      reports << where + QStringLiteral(
                             ": the literal holds no words (only escapes, tags or code), "
                             "so it has no entry; left out");
      continue;
    }
    const EmbeddedSplit split =
        splitEmbeddedTranslations(translation.text, file, lexed.literals, index, dialect);
    corrections.append(Correction{msgid, split.outer, where});
    for (const auto& inner : split.inner) {
      corrections.append(Correction{inner.first, inner.second, where});
    }
  }
}

}  // namespace

int runImport(const PoConfig& config, QTextStream& out, QTextStream& err) {
  const QString usage = projectOptionsProblem(config);
  if (!usage.isEmpty()) {
    err << "brisvane-po: " << usage << '\n';
    return 2;
  }
  QFile document(config.inDoc);
  if (!document.open(QIODevice::ReadOnly)) {
    err << "brisvane-po: " << config.inDoc << ": " << document.errorString() << '\n';
    return 1;
  }
  const QByteArray bytes = document.readAll();
  const TolerantReading reading = readTolerantDocument(bytes, config.format);
  QStringList reports;
  for (const auto& note : reading.notes) {
    reports
        << QStringLiteral("%1:%2: %3; left out").arg(config.inDoc).arg(note.first).arg(note.second);
  }

  const SectionsByName sections = indexSections(reading.model);
  QVector<bool> sectionUsed(reading.model.size(), false);
  QHash<QString, int> filesSeen;
  CorrectionList corrections;
  const QVector<ProjectSource> sources = listProjectSources(config.rootDir, config.ignoreList);
  const TadsDialect dialect = projectDialect(config, sources).dialect;
  TemplateBuilder builder(false, dialect);
  for (const ProjectSource& source : sources) {
    SourceFile file;
    QString problem;
    if (!readSource(source.absolutePath, config.fromCharset, file, problem)) {
      reports << source.relativePath + QStringLiteral(": ") + problem;
      continue;
    }
    const LexResult lexed = lexTads(file.bytes, dialect);
    for (const LexProblem& trouble : lexed.problems) {
      reports << QStringLiteral("%1:%2: %3")
                     .arg(source.relativePath)
                     .arg(trouble.line)
                     .arg(trouble.message);
    }
    builder.addFile(source.relativePath, file, lexed);
    const QString baseName = QFileInfo(source.absolutePath).baseName();
    const int section = sections.value(baseName).value(filesSeen[baseName]++, -1);
    if (section < 0) continue;
    sectionUsed[section] = true;
    importFile(source, file, lexed, dialect, reading.model[section], reading.whiteSpaceCollapsed,
               corrections, reports);
  }
  for (int i = 0; i < reading.model.size(); ++i) {
    if (!sectionUsed[i] && !reading.model[i].chunks.isEmpty()) {
      reports << QStringLiteral("%1: the section \"%2\" matches no file of the project; left out")
                     .arg(config.inDoc, reading.model[i].name);
    }
  }

  QVector<PoEntry> entries = builder.entries();
  const ImportTally tally = applyCorrections(corrections, entries, reports);
  QString error;
  if (!writePoFile(config.output, templateHeader(), entries, error)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  for (const QString& report : reports) err << report << '\n';
  out << config.output << ": " << tally.translated << " of " << entries.size()
      << " entries translated, " << tally.fuzzy << " fuzzy; " << reports.size() << " reported\n";
  return reports.isEmpty() ? 0 : 1;
}
