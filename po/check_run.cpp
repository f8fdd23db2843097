#include "po/check_run.h"

#include "po/file_translator.h"
#include "po/translation_run.h"

int runCheck(const PoConfig& config, QTextStream& out, QTextStream& err) {
  TranslationRun run;
  if (const int failed = prepareTranslation(config, projectOptionsProblem(config), run, err)) {
    return failed;
  }
  // The character set a copy is written in is apply's choice, not the
  // translation's: UTF-8 holds every text.
  run.settings.target = PoConfig::TargetCharset::Utf8;
  TranslationTally tally;
  for (const ProjectSource& source : run.sources) {
    QByteArray bytes;
    tally += translateSource(source.absolutePath, source.relativePath, config.fromCharset,
                             run.settings, bytes);
    if (!tally.failure.isEmpty()) break;
  }
  if (!tally.failure.isEmpty()) {
    err << "brisvane-po: " << tally.failure << '\n';
    return 1;
  }
  for (const QString& line : tally.problemLines) err << line << '\n';
  reportRefusals(config, tally.refusals, err);
  out << config.poFile << ": "
      << counted(tally.applied + tally.refusals.size(), "translated place", "translated places")
      << " checked, " << tally.refusals.size() << " refused";
  if (run.table->fuzzyCount() > 0) {
    out << ", " << counted(run.table->fuzzyCount(), "fuzzy entry", "fuzzy entries") << " skipped";
  }
  out << '\n';
  return tally.problems == 0 && tally.refusals.isEmpty() ? 0 : 1;
}
