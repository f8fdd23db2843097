#include "scan/literal_scanner.h"

#include <utility>

#include "console/console_line.h"

const EscapedQuote kEscapedQuotes[2] = {{"<DQUOTE>", "&quot;", "\\\"", '"'},
                                        {"<SQUOTE>", "&apos;", "\\'", '\''}};

namespace {

// Replaces each escaped quote's spelling `from` with its spelling `to`.
QString respelled(QString text, const char* EscapedQuote::*from, const char* EscapedQuote::*to) {
  for (const EscapedQuote& quote : kEscapedQuotes) {
    text.replace(QLatin1String(quote.*from), QLatin1String(quote.*to));
  }
  return text;
}

// The document keeps an escaped quote of a double-quoted literal as an
// entity, and that of a single-quoted one in its source form.
QString convertLiteralText(QString text, bool doubleQuoted) {
  if (doubleQuoted) return markersToEntities(std::move(text));
  return unmaskEscapedQuotes(std::move(text));
}

}  // namespace

QString maskEscapedQuotes(QString line) {
  if (!line.contains(QLatin1Char('\\'))) return line;
  return respelled(std::move(line), &EscapedQuote::escape, &EscapedQuote::marker);
}

QString unmaskEscapedQuotes(QString masked) {
  if (!masked.contains(QLatin1Char('<'))) return masked;
  return respelled(std::move(masked), &EscapedQuote::marker, &EscapedQuote::escape);
}

QString markersToEntities(QString masked) {
  if (!masked.contains(QLatin1Char('<'))) return masked;
  return respelled(std::move(masked), &EscapedQuote::marker, &EscapedQuote::entity);
}

QString entitiesToEscapes(QString text) {
  return respelled(std::move(text), &EscapedQuote::entity, &EscapedQuote::escape);
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
