#include "patch/line_patcher.h"

#include "console/console_line.h"
#include "scan/literal_scanner.h"

QString placeholderFor(quint32 literalIndex) {
  // The pattern "\\%1 " with the number in decimal, built by hand: this
  // runs once per row of a large document.
  return QStringLiteral("\\\\") + QString::number(literalIndex) + QLatin1Char(' ');
}

QString makeLineTemplate(QString line) {
  // The same scanner as get mode, so placeholder k is the literal that the
  // document numbered k.
  const ScannedLine scanned = scanLine(line);
  if (scanned.unterminated) {
    ConsoleLine() << "Warning! May be miltiline string found at line: " << quoted(scanned.masked)
                  << ". Ignore";
    return QString();
  }
  QString result;
  result.reserve(scanned.masked.size() + 4 * scanned.literals.size());
  int outside = 0;  // start of the text since the last literal
  quint32 counter = 0;
  for (const LiteralSpan& span : scanned.literals) {
    // Everything up to and including the opening quote stays.
    result += scanned.masked.midRef(outside, span.begin - outside);
    result += placeholderFor(counter++);
    outside = span.end;  // the closing quote stays too
  }
  result += scanned.masked.midRef(outside);
  // Only markers that stood outside literals are left to turn back.
  result.replace(QLatin1String("<DQUOTE>"), QLatin1String("\\\""));
  result.replace(QLatin1String("<SQUOTE>"), QLatin1String("\\'"));
  return result;
}

bool patchLine(const QString& line, const LineEntry& entry, QString& patched) {
  QString working = entry.literalIndex == 0 ? makeLineTemplate(line) : line;
  if (working.isEmpty()) return false;
  working.replace(placeholderFor(entry.literalIndex), entry.text);
  patched = working;
  return true;
}
