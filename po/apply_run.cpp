#include "po/apply_run.h"

#include <QDir>
#include <QFileInfo>

#include "po/file_translator.h"
#include "po/project_sources.h"
#include "po/translation_run.h"
#include "po/tree_copy.h"

namespace {

/// The usage problem of the folders asked for, or an empty text.
QString folderProblem(const PoConfig& config) {
  const QString root = projectOptionsProblem(config);
  if (!root.isEmpty()) return root;
  const QFileInfo result(config.resDir);
  if (liesWithin(config.resDir, config.rootDir)) {
    return config.resDir + QStringLiteral(": lies inside the project; nothing is written there");
  }
  if (result.exists() && !result.isDir()) return config.resDir + QStringLiteral(": not a folder");
  if (result.isDir() &&
      !QDir(config.resDir)
           .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    return config.resDir + QStringLiteral(": exists and is not empty");
  }
  return QString();
}

/// The line every TADS 2 copy gets: its texts' character set and what the
/// tools must be told of it.
QString tads2CharsetLine(const PoConfig& config) {
  const bool utf8 = config.toCharset == PoConfig::TargetCharset::Utf8;
  QString line = QStringLiteral(
                     "TADS 2 has no #charset line: the copy's texts are in %1, and tadsc and "
                     "frob take no option for it and pass the bytes through, so play the game "
                     "on a display that reads %1")
                     .arg(utf8 ? QStringLiteral("UTF-8") : config.fromCharset);
  if (!utf8) line += QStringLiteral(" (--to-charset=utf-8 writes translated files in UTF-8)");
  return line;
}

}  // namespace

int runApply(const PoConfig& config, QTextStream& out, QTextStream& err) {
  TranslationRun run;
  if (const int failed = prepareTranslation(config, folderProblem(config), run, err)) {
    return failed;
  }
  QHash<QString, QString> sources;
  for (const ProjectSource& source : run.sources) {
    sources.insert(source.absolutePath, source.relativePath);
  }
  TranslationTally tally;
  const FileTransform transform = [&](const QString& path, QByteArray& bytes, QString& failure) {
    tally += translateSource(path, sources.value(path), config.fromCharset, run.settings, bytes);
    failure = tally.failure;
    return failure.isEmpty();
  };
  QString error;
  if (!copyTree(config.rootDir, config.resDir, sources, transform, error)) {
    err << "brisvane-po: " << error << '\n';
    return 1;
  }
  for (const QString& line : tally.problemLines) err << line << '\n';
  reportRefusals(config, tally.refusals, err);
  for (const QString& note : tally.charsetNotes) out << note << '\n';
  if (run.settings.dialect == TadsDialect::Tads2) out << tads2CharsetLine(config) << '\n';
  out << config.resDir << ": " << counted(tally.applied, "literal", "literals") << " translated in "
      << counted(tally.changedFiles, "file", "files");
  if (!tally.refusals.isEmpty()) out << ", " << tally.refusals.size() << " refused";
  if (run.table->fuzzyCount() > 0) {
    out << ", " << counted(run.table->fuzzyCount(), "fuzzy entry", "fuzzy entries") << " skipped";
  }
  out << '\n';
  return tally.problems == 0 && tally.refusals.isEmpty() ? 0 : 1;
}
