#include "po/import_matcher.h"

#include <QStringList>
#include <QTextCodec>

#include "scan/byte_order_mark.h"
#include "scan/literal_scanner.h"

namespace {

// The index in the unmasked line of a masked line's character: every escaped
// quote of the line stands as a marker of eight characters in the masked one.
int unmaskedColumn(const QString& line, int maskedIndex) {
  int raw = 0;
  int masked = 0;
  while (masked < maskedIndex && raw < line.size()) {
    const bool escapedQuote =
        line[raw] == QLatin1Char('\\') && raw + 1 < line.size() &&
        (line[raw + 1] == QLatin1Char('"') || line[raw + 1] == QLatin1Char('\''));
    raw += escapedQuote ? 2 : 1;
    masked += escapedQuote ? 8 : 1;  // "<DQUOTE>" and "<SQUOTE>"
  }
  return raw;
}

}  // namespace

GetModeLiterals getModeLiterals(const QString& text) {
  GetModeLiterals literals;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
    const QString& line = lines[lineIndex];
    if (!line.contains(QLatin1Char('"')) && !line.contains(QLatin1Char('\''))) continue;
    const ScannedLine scanned = scanLine(line);
    // Get mode leaves such a line out.
    if (scanned.unterminated) continue;
    QStringList warnings;  // none: the line is closed
    const QList<LineEntry> entries = extractLineLiterals(line, lineIndex, warnings);
    for (int i = 0; i < entries.size(); ++i) {
      GetModeLiteral literal;
      literal.column = unmaskedColumn(line, scanned.literals[i].begin);
      literal.doubleQuoted = entries[i].doubleQuoted;
      literal.text = entries[i].text;
      literals.insert(positionKey(lineIndex, entries[i].literalIndex), literal);
    }
  }
  return literals;
}

QHash<quint64, int> singleLineLiteralPositions(const QByteArray& source,
                                               const QVector<TadsLiteral>& literals) {
  const bool bom = byteOrderMarkOf(source) == ByteOrderMark::Utf8;
  // Code page 1251 has one character per byte.
  QTextCodec* utf8 = bom ? QTextCodec::codecForName("UTF-8") : nullptr;
  QHash<quint64, int> positions;
  for (int i = 0; i < literals.size(); ++i) {
    const TadsLiteral& literal = literals[i];
    if (literal.line != literal.lastLine) continue;
    int lineStart = source.lastIndexOf('\n', literal.bodyBegin - 1) + 1;
    if (lineStart == 0 && bom) lineStart = 3;
    QByteArray prefix = source.mid(lineStart, literal.bodyBegin - lineStart);
    prefix.replace('\r', QByteArray());
    const int column = utf8 ? utf8->toUnicode(prefix).size() : prefix.size();
    positions.insert(
        positionKey(static_cast<quint32>(literal.line - 1), static_cast<quint32>(column)), i);
  }
  return positions;
}
