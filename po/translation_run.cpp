#include "po/translation_run.h"

#include <QFileInfo>

#include "po/library_declarations.h"
#include "po/play_notes.h"
#include "po/po_catalog.h"
#include "po/project_dialect.h"
#include "po/source_file.h"

QString projectOptionsProblem(const PoConfig& config) {
  const QFileInfo root(config.rootDir);
  if (root.exists() && !root.isDir()) return config.rootDir + QStringLiteral(": not a folder");
  if (!root.isDir()) return config.rootDir + QStringLiteral(": no such folder");
  const QString library = missingLibDir(config.libDirs);
  if (!library.isEmpty()) return QStringLiteral("--lib-dir: %1: no such folder").arg(library);
  if (!describeSource(QByteArray(), config.fromCharset).codec) {
    return QStringLiteral("--from-charset: unknown character set '%1'").arg(config.fromCharset);
  }
  return QString();
}

int prepareTranslation(const PoConfig& config, const QString& usage, TranslationRun& run,
                       QTextStream& err) {
  if (!usage.isEmpty()) {
    err << "brisvane-po: " << usage << '\n';
    return 2;
  }
  QVector<PoEntry> entries;
  QString error;
  if (!readPoFile(config.poFile, entries, error)) {
    err << error << '\n';
    return 1;
  }
  warnGameChanging(entries, config.poFile, err);
  run.table.reset(new TranslationTable(entries));
  run.sources = listProjectSources(config.rootDir, config.ignoreList);
  run.settings.dialect = projectDialect(config, run.sources).dialect;
  QStringList declared = declarationFiles(config.rootDir, config.libDirs);
  for (const ProjectSource& source : run.sources) declared << source.absolutePath;
  run.parameters = readMessageParameters(declared, run.settings.dialect, config.fromCharset);
  run.settings.table = run.table.data();
  run.settings.parameters = &run.parameters;
  run.settings.target = config.toCharset;
  return 0;
}

void reportRefusals(const PoConfig& config, const QVector<Refusal>& refusals, QTextStream& err) {
  for (const Refusal& refusal : refusals) {
    QString msgid = refusal.msgid;
    msgid.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (msgid.size() > 200) msgid = msgid.left(200) + QStringLiteral("...");
    err << config.poFile;
    if (refusal.poLine > 0) err << ':' << refusal.poLine;
    err << ": " << refusal.place << ": translation refused: " << refusal.reason << " (msgid \""
        << msgid << "\")\n";
  }
}

QString counted(int count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}
