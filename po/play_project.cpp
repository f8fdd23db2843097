#include "po/play_project.h"

#include "po/library_declarations.h"
#include "po/project_dialect.h"
#include "po/project_sources.h"

bool PlayProject::read(const PoConfig& config, QString& error, QStringList& problems) {
  const QVector<ProjectSource> sources = listProjectSources(config.rootDir, config.ignoreList);
  dialect_ = projectDialect(config, sources).dialect;
  builder_.reset(new TemplateBuilder(false, dialect_));
  QStringList declared = declarationFiles(config.rootDir, config.libDirs);
  for (const QString& path : declared) {
    SourceFile file;
    QString problem;
    if (readSource(path, config.fromCharset, file, problem)) {
      builder_->addDeclarations(lexTads(file.bytes, dialect_));
    }
  }
  for (const ProjectSource& source : sources) declared << source.absolutePath;
  parameters_ = readMessageParameters(declared, dialect_, config.fromCharset);
  for (const ProjectSource& source : sources) {
    File file;
    file.relativePath = source.relativePath;
    QString problem;
    if (!readSource(source.absolutePath, config.fromCharset, file.source, problem)) {
      problems << source.relativePath + QStringLiteral(": ") + problem;
      continue;
    }
    file.lexed = lexTads(file.source.bytes, dialect_);
    if (!file.lexed.problems.isEmpty()) {
      for (const LexProblem& trouble : file.lexed.problems) {
        problems << QStringLiteral("%1:%2: %3; the file is left as it is")
                        .arg(source.relativePath)
                        .arg(trouble.line)
                        .arg(trouble.message);
      }
      continue;
    }
    builder_->addFile(file.relativePath, file.source, file.lexed);
    files_.append(file);
  }
  if (files_.isEmpty()) {
    error = QStringLiteral("%1: no TADS source (*.t) to try").arg(config.rootDir);
    return false;
  }
  QHash<QString, int> numbers;
  for (const PoEntry& entry : builder_->entries()) {
    numbers.insert(entry.msgid, entries_.size());
    PlayEntry played;
    played.msgid = entry.msgid;
    played.reference = entry.references.value(0);
    played.quote = QuoteKind::Single;
    entries_.append(played);
  }
  QVector<bool> placed(entries_.size(), false);
  for (int f = 0; f < files_.size(); ++f) {
    for (const TadsLiteral& literal : files_[f].lexed.literals) {
      const auto found = numbers.constFind(decodeIn(files_[f].source, literal.text));
      if (found == numbers.constEnd()) continue;
      PlayEntry& entry = entries_[*found];
      if (!placed[*found]) entry.quote = literal.quote;
      placed[*found] = true;
      if (entry.files.isEmpty() || entry.files.last() != f) entry.files.append(f);
      entry.lines.append({f, literal.line});
      if (literal.lastLine != literal.line) entry.lines.append({f, literal.lastLine});
      entry.vocabulary = entry.vocabulary || literal.role == LiteralRole::Vocabulary;
    }
  }
  return true;
}

RenderedFile PlayProject::render(int index, const TranslationTable& table,
                                 PoConfig::TargetCharset target) const {
  RenderSettings settings;
  settings.table = &table;
  settings.parameters = &parameters_;
  settings.dialect = dialect_;
  settings.target = target;
  const File& file = files_[index];
  return renderFile(file.source, file.lexed, settings, file.relativePath);
}
