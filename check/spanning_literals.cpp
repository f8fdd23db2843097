#include "check/spanning_literals.h"

#include <QFile>

#include "tadslex/tads_lexer.h"

SpanningLiterals countSpanningLiterals(const QString& rootDir, const SourceFolder& root,
                                       TadsDialect dialect) {
  SpanningLiterals count;
  for (const ProjectFile* file : filesInWalkOrder(root)) {
    QFile source(rootDir + QLatin1Char('/') + file->path);
    if (!source.open(QIODevice::ReadOnly)) continue;
    for (const TadsLiteral& literal : lexTads(source.readAll(), dialect).literals) {
      if (literal.depth > 0) continue;
      ++count.literals;
      count.textBytes += literal.text.size();
      if (literal.lastLine == literal.line) continue;
      ++count.spanning;
      count.spanningBytes += literal.text.size();
    }
  }
  return count;
}

QString describeSpanning(const SpanningLiterals& count) {
  if (count.spanning == 0) {
    return QStringLiteral(
        "Every literal of the project stands on one line, so get mode's "
        "document holds them all.\n");
  }
  const int share =
      count.textBytes > 0
          ? static_cast<int>((count.spanningBytes * 100 + count.textBytes / 2) / count.textBytes)
          : 0;
  return QStringLiteral(
             "%1 of the %2 literals of the project (%3% of their text) span lines, "
             "so get mode's document cannot hold them and new mode leaves them as "
             "they are; brisvane-po translates them.\n")
      .arg(count.spanning)
      .arg(count.literals)
      .arg(share);
}
