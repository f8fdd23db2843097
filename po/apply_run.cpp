#include "po/apply_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "po/literal_renderer.h"
#include "po/play_notes.h"
#include "po/po_catalog.h"
#include "po/project_sources.h"
#include "po/source_file.h"
#include "po/tree_copy.h"

namespace {

/// The usage problem of the folders asked for, or an empty text.
QString folderProblem(const PoConfig& config) {
  if (!QFileInfo(config.rootDir).isDir()) return config.rootDir + QStringLiteral(": no such folder");
  const QFileInfo result(config.resDir);
  if (liesWithin(config.resDir, config.rootDir)) {
    return config.resDir + QStringLiteral(": lies inside the project; nothing is written there");
  }
  if (result.exists() && !result.isDir()) return config.resDir + QStringLiteral(": not a folder");
  if (result.isDir() && !QDir(config.resDir).isEmpty(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot)) {
    return config.resDir + QStringLiteral(": exists and is not empty");
  }
  return QString();
}

QString shortened(const QString& text) {
  QString line = text.simplified();
  return line.size() <= 60 ? line : line.left(57) + QStringLiteral("...");
}

}  // namespace

int runApply(const PoConfig& config, QTextStream& out, QTextStream& err) {
  const QString usage = folderProblem(config);
  if (!usage.isEmpty()) {
    err << "brisvane-po: " << usage << '\n';
    return 2;
  }
  if (!describeSource(QByteArray(), config.fromCharset).codec) {
    err << "brisvane-po: --from-charset: unknown character set '" << config.fromCharset << "'\n";
    return 2;
  }
  QVector<PoEntry> entries;
  QString error;
  if (!readPoFile(config.poFile, entries, error)) {
    err << error << '\n';
    return 1;
  }
  warnGameChanging(entries, config.poFile, err);
  const TranslationTable table(entries);
  entries.clear();

  QHash<QString, QString> sources;
  for (const ProjectSource& source : listProjectSources(config.rootDir, config.ignoreList)) {
    sources.insert(source.absolutePath, source.relativePath);
  }
  int problems = 0;
  int applied = 0;
  int changedFiles = 0;
  QVector<Refusal> refusals;
  const FileTransform transform = [&](const QString& path, QByteArray& bytes, QString& failure) {
    const QString relative = sources.value(path);
    SourceFile file;
    QString problem;
    if (!readSource(path, config.fromCharset, file, problem)) {
      QFile raw(path);
      if (!raw.open(QIODevice::ReadOnly)) {
        failure = relative + QStringLiteral(": ") + problem;
        return false;
      }
      bytes = raw.readAll();
      err << relative << ": " << problem << '\n';
      ++problems;
      return true;
    }
    const LexResult lexed = lexTads(file.bytes);
    if (!lexed.problems.isEmpty()) {
      for (const LexProblem& trouble : lexed.problems) {
        err << relative << ':' << trouble.line << ": " << trouble.message
            << "; the file is copied unchanged\n";
      }
      ++problems;
      bytes = file.bytes;
      return true;
    }
    RenderedFile rendered = renderFile(file, lexed, table, config.toUtf8, relative);
    applied += rendered.applied;
    changedFiles += rendered.changed ? 1 : 0;
    refusals += rendered.refusals;
    bytes = rendered.bytes;
    return true;
  };
  if (!copyTree(config.rootDir, config.resDir, sources, transform, error)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  for (const Refusal& refusal : refusals) {
    err << refusal.place << ": translation refused: " << refusal.reason << " (msgid \""
        << shortened(refusal.msgid) << "\")\n";
  }
  out << config.resDir << ": " << applied << " literals translated in " << changedFiles
      << " files";
  if (!refusals.isEmpty()) out << ", " << refusals.size() << " refused";
  out << '\n';
  return problems == 0 && refusals.isEmpty() ? 0 : 1;
}
