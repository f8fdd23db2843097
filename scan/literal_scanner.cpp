#include "scan/literal_scanner.h"

#include <utility>

#include "console/console_line.h"

namespace {

// The spellings of kEscapedQuotes as texts, made once: the scanner and the
// patcher convert every line and literal that holds one.
enum Spelling { kMarker, kEntity, kEscape };

struct Spellings {
  QString of[2][3];
  Spellings() {
    for (int k = 0; k < 2; ++k) {
      const EscapedQuote& quote = kEscapedQuotes[k];
      of[k][kMarker] = QLatin1String(quote.marker);
      of[k][kEntity] = QLatin1String(quote.entity);
      of[k][kEscape] = QLatin1String(quote.escape);
    }
  }
};

const Spellings kSpellings;

// Replaces each escaped quote's spelling `from` with its spelling `to`.
QString respelled(QString text, Spelling from, Spelling to) {
  for (const auto& quote : kSpellings.of) text.replace(quote[from], quote[to]);
  return text;
}

}  // namespace

QString maskEscapedQuotes(QString line) {
  if (!line.contains(QLatin1Char('\\'))) return line;
  return respelled(std::move(line), kEscape, kMarker);
}

QString unmaskEscapedQuotes(QString masked) {
  if (!masked.contains(QLatin1Char('<'))) return masked;
  return respelled(std::move(masked), kMarker, kEscape);
}

QString markersToEntities(QString masked) {
  if (!masked.contains(QLatin1Char('<'))) return masked;
  return respelled(std::move(masked), kMarker, kEntity);
}

QString entitiesToEscapes(QString text) { return respelled(std::move(text), kEntity, kEscape); }

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

void appendLineLiterals(const QString& line, quint32 lineIndex, FileEntry& file,
                        QStringList& warnings) {
  const ScannedLine scanned = scanLine(line);
  if (scanned.unterminated) {
    ConsoleLine(warnings) << "Warning! May be miltiline string found at line: " << lineIndex
                          << ". Ignore";
    return;
  }
  quint32 literalIndex = 0;
  for (const LiteralSpan& span : scanned.literals) {
    const QStringView masked = QStringView(scanned.masked).mid(span.begin, span.end - span.begin);
    // The document keeps an escaped quote of a double-quoted literal as an
    // entity, and that of a single-quoted one in its source form. Most texts
    // hold no marker and go into the file's texts as they stand.
    const TextPlace text = masked.contains(QLatin1Char('<'))
                               ? file.appendText(respelled(masked.toString(), kMarker,
                                                           span.doubleQuoted ? kEntity : kEscape))
                               : file.appendText(masked);
    file.appendRow(text, span.doubleQuoted, lineIndex, literalIndex++);
  }
}

QList<LineEntry> extractLineLiterals(const QString& line, quint32 lineIndex,
                                     QStringList& warnings) {
  FileEntry file;
  file.appendChunk(QStringView());
  appendLineLiterals(line, lineIndex, file, warnings);
  return file.entries();
}
