#include "check/charset_checks.h"

namespace {

bool beyondAscii(QStringView text) {
  for (const QChar c : text) {
    if (c.unicode() > 127) return true;
  }
  return false;
}

// The first text of the file the document shows with a character beyond
// ASCII, cut short: a literal when one has such a character, else a line.
QString sample(const ProjectFile& file) {
  QString text;
  for (const LineRecord& literal : file.literals.rows) {
    const QStringView literalText = file.literals.textOf(literal);
    if (text.isEmpty() && beyondAscii(literalText)) text = literalText.toString();
  }
  for (int i = 0; i < file.lines.size() && text.isEmpty(); ++i) {
    if (beyondAscii(file.lines[i])) text = file.lines[i].trimmed();
  }
  text = text.simplified();
  if (text.size() > 40) text = text.left(40) + QStringLiteral("...");
  return text;
}

}  // namespace

Findings checkCharsets(const SourceFolder& root) {
  Findings findings;
  for (const ProjectFile* file : filesInWalkOrder(root)) {
    const SourceCharset& charset = file->charset;
    // The names of code page 1251 in any spelling come folded to "cp1251".
    if (!file->beyondAscii || charset.name.isEmpty() || charset.name == QLatin1String("cp1251")) {
      continue;
    }
    const QString shows = shown(sample(*file));
    QString message;
    if (charset.hasBom) {
      message = QStringLiteral(
                    "the file starts with a byte-order mark for %1: the document "
                    "shows its text right (\"%2\"), but new mode would write the "
                    "whole copy in code page 1251")
                    .arg(charset.name, shows);
    } else {
      message = QStringLiteral(
                    "the file's #charset line names \"%1\", but the document shows "
                    "its text as code page 1251 reads it (\"%2\"), and new mode "
                    "would write corrections in code page 1251")
                    .arg(charset.name, shows);
    }
    findings << Finding{file->path, -1, -1,
                        message + QStringLiteral("; brisvane-po keeps each file's character "
                                                 "set")};
  }
  return findings;
}
