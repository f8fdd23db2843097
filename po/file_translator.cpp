#include "po/file_translator.h"

#include <QFile>

TranslationTally& TranslationTally::operator+=(const TranslationTally& other) {
  applied += other.applied;
  changedFiles += other.changedFiles;
  problems += other.problems;
  problemLines += other.problemLines;
  refusals += other.refusals;
  charsetNotes += other.charsetNotes;
  if (failure.isEmpty()) failure = other.failure;
  return *this;
}

TranslationTally translateSource(const QString& path, const QString& relativePath,
                                 const QString& fromCharset, const RenderSettings& settings,
                                 QByteArray& bytes) {
  TranslationTally tally;
  bytes = QByteArray();
  SourceFile file;
  QString problem;
  if (!readSource(path, fromCharset, file, problem)) {
    if (!QFile(path).open(QIODevice::ReadOnly)) {
      tally.failure = relativePath + QStringLiteral(": ") + problem;
    } else {
      tally.problemLines << relativePath + QStringLiteral(": ") + problem;
      tally.problems = 1;
    }
    return tally;
  }
  const LexResult lexed = lexTads(file.bytes, settings.dialect);
  if (!lexed.problems.isEmpty()) {
    for (const LexProblem& trouble : lexed.problems) {
      tally.problemLines << QStringLiteral("%1:%2: %3; the file is copied unchanged")
                                .arg(relativePath)
                                .arg(trouble.line)
                                .arg(trouble.message);
    }
    tally.problems = 1;
    return tally;
  }
  RenderedFile rendered = renderFile(file, lexed, settings, relativePath);
  tally.applied = rendered.applied;
  tally.refusals = rendered.refusals;
  if (!rendered.charsetNote.isEmpty()) tally.charsetNotes << rendered.charsetNote;
  if (rendered.changed) {
    tally.changedFiles = 1;
    bytes = rendered.bytes;
  }
  return tally;
}
