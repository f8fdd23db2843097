#include "po/extract_run.h"

#include "po/play_notes.h"
#include "po/po_catalog.h"
#include "po/project_sources.h"
#include "po/source_file.h"
#include "po/template_builder.h"

int runExtract(const PoConfig& config, QTextStream& out, QTextStream& err) {
  const QString usage = projectProblem(config.rootDir, config.fromCharset);
  if (!usage.isEmpty()) {
    err << "brisvane-po: " << usage << '\n';
    return 2;
  }
  TemplateBuilder builder(config.contextByDefinition);
  int problems = 0;
  int literals = 0;
  const QVector<ProjectSource> sources = listProjectSources(config.rootDir, config.ignoreList);
  for (const ProjectSource& source : sources) {
    SourceFile file;
    QString problem;
    if (!readSource(source.absolutePath, config.fromCharset, file, problem)) {
      err << source.relativePath << ": " << problem << '\n';
      ++problems;
      continue;
    }
    const LexResult lexed = lexTads(file.bytes);
    for (const LexProblem& trouble : lexed.problems) {
      err << source.relativePath << ':' << trouble.line << ": " << trouble.message << '\n';
      ++problems;
    }
    literals += lexed.literals.size();
    builder.addFile(source.relativePath, file, lexed);
  }
  QString error;
  const int carried =
      config.playFrom.isEmpty() ? 0 : carryPlayNotes(config.playFrom, builder, error);
  if (carried < 0) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  if (!builder.write(config.output, error)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  out << config.output << ": " << builder.entryCount() << " entries from " << literals
      << " literals in " << sources.size() << " files";
  if (!config.playFrom.isEmpty()) {
    out << ", " << carried << " play classes from " << config.playFrom;
  }
  out << '\n';
  return problems == 0 ? 0 : 1;
}
