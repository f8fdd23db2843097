#include "po/extract_run.h"

#include "po/library_declarations.h"
#include "po/play_notes.h"
#include "po/po_catalog.h"
#include "po/project_dialect.h"
#include "po/project_sources.h"
#include "po/source_file.h"
#include "po/template_builder.h"
#include "po/translation_run.h"

int runExtract(const PoConfig& config, QTextStream& out, QTextStream& err) {
  const QString usage = projectOptionsProblem(config);
  if (!usage.isEmpty()) {
    err << "brisvane-po: " << usage << '\n';
    return 2;
  }
  const QVector<ProjectSource> sources = listProjectSources(config.rootDir, config.ignoreList);
  const TadsDialect dialect = projectDialect(config, sources).dialect;
  TemplateBuilder builder(config.contextByDefinition, dialect);
  // Headers and libraries name the places of template parts; their texts
  // are not the project's.
  for (const QString& path : declarationFiles(config.rootDir, config.libDirs)) {
    SourceFile file;
    QString problem;
    if (readSource(path, config.fromCharset, file, problem)) {
      builder.addDeclarations(lexTads(file.bytes, dialect));
    }
  }
  int problems = 0;
  int literals = 0;
  for (const ProjectSource& source : sources) {
    SourceFile file;
    QString problem;
    if (!readSource(source.absolutePath, config.fromCharset, file, problem)) {
      err << source.relativePath << ": " << problem << '\n';
      ++problems;
      continue;
    }
    const LexResult lexed = lexTads(file.bytes, dialect);
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
  out << config.output << ": " << counted(builder.entryCount(), "entry", "entries") << " from "
      << counted(literals, "literal", "literals") << " in "
      << counted(sources.size(), "file", "files");
  if (builder.wordlessCount() > 0) {
    out << "; " << counted(builder.wordlessCount(), "text", "texts")
        << " without words left out (escapes, tags, patterns)";
  }
  if (!config.playFrom.isEmpty()) {
    out << "; " << carried << " play classes from " << config.playFrom;
  }
  out << '\n';
  return problems == 0 ? 0 : 1;
}
