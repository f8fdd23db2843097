#include "scan/literal_scanner.h"

#include "console/console_line.h"

namespace {

const QString kDquoteMarker = QStringLiteral("<DQUOTE>");
const QString kSquoteMarker = QStringLiteral("<SQUOTE>");

// The document keeps an escaped quote of a double-quoted literal as an
// entity, and that of a single-quoted one in its source form.
QString convertLiteralText(QString text, bool doubleQuoted) {
  if (!text.contains(QLatin1Char('<'))) return text;
  if (doubleQuoted) {
    text.replace(kDquoteMarker, QStringLiteral("&quot;"));
    text.replace(kSquoteMarker, QStringLiteral("&apos;"));
  } else {
    text.replace(kDquoteMarker, QStringLiteral("\\\""));
    text.replace(kSquoteMarker, QStringLiteral("\\'"));
  }
  return text;
}

}  // namespace

QString maskEscapedQuotes(QString line) {
  if (!line.contains(QLatin1Char('\\'))) return line;
  line.replace(QLatin1String("\\\""), kDquoteMarker);
  line.replace(QLatin1String("\\'"), kSquoteMarker);
  return line;
}

ScannedLine scanLine(const QString& line) {
  ScannedLine scanned;
  scanned.masked = maskEscapedQuotes(line);
  const QChar* chars = scanned.masked.constData();
  const int size = scanned.masked.size();
  QChar closing;  // null while outside a literal
  int begin = 0;
  for (int i = 0; i < size; ++i) {
    const QChar c = chars[i];
    if (closing.isNull()) {
      if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        closing = c;
        begin = i + 1;
      }
    } else if (c == closing) {
      scanned.literals.append(LiteralSpan{begin, i, closing == QLatin1Char('"')});
      closing = QChar();
    }
  }
  scanned.unterminated = !closing.isNull();
  return scanned;
}

QList<LineEntry> extractLineLiterals(QString text, qint32 lineIndex, QStringList& warnings) {
  QList<LineEntry> entries;
  const ScannedLine scanned = scanLine(text);
  if (scanned.unterminated) {
    ConsoleLine(warnings) << "Warning! May be miltiline string found at line: "
                          << static_cast<quint32>(lineIndex) << ". Ignore";
    return entries;
  }
  entries.reserve(scanned.literals.size());
  quint32 literalIndex = 0;
  for (const LiteralSpan& span : scanned.literals) {
    LineEntry entry;
    entry.text = convertLiteralText(scanned.masked.mid(span.begin, span.end - span.begin),
                                    span.doubleQuoted);
    entry.doubleQuoted = span.doubleQuoted;
    entry.lineIndex = static_cast<quint32>(lineIndex);
    entry.literalIndex = literalIndex++;
    entries.append(entry);
  }
  return entries;
}
