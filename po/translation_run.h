#ifndef BRISVANE_PO_TRANSLATION_RUN_H
#define BRISVANE_PO_TRANSLATION_RUN_H

#include <QScopedPointer>
#include <QTextStream>

#include "po/literal_renderer.h"
#include "po/po_command_line.h"
#include "po/project_sources.h"

/// What translating a project needs, read once for apply and check: the PO
/// file's translations, the sources, their dialect and the library's message
/// parameters.
struct TranslationRun {
  QScopedPointer<TranslationTable> table;
  QVector<ProjectSource> sources;
  MessageParameters parameters;
  RenderSettings settings;
};

/// The usage problem of --root-dir, --lib-dir and --from-charset, or an
/// empty text.
QString projectOptionsProblem(const PoConfig& config);

/// Reads what `config` asks to translate into `run`, unless `usage` (the
/// usage problem of the command's options) is not empty. Returns 0, or the
/// exit code once `err` says what is wrong: 2 for `usage`, 1 for a PO file
/// that cannot be read (gettext's first message).
int prepareTranslation(const PoConfig& config, const QString& usage, TranslationRun& run,
                       QTextStream& err);

/// Writes each refusal on one line: PO file and line, source file and line,
/// what to change, and the msgid (its first 200 characters).
void reportRefusals(const PoConfig& config, const QVector<Refusal>& refusals, QTextStream& err);

/// "1 file", "2 files".
QString counted(int count, const char* one, const char* many);

#endif
