#include "patch/line_patcher.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "console/console_line.h"
#include "scan/literal_scanner.h"

QString placeholderFor(quint32 literalIndex) {
  // The pattern "\\%1 " with the number in decimal, built by hand: this
  // runs once per row of a large document.
  return QStringLiteral("\\\\") + QString::number(literalIndex) + QLatin1Char(' ');
}

QString makeLineTemplate(QString line, QStringList& warnings) {
  // The same scanner as get mode, so placeholder k is the literal that the
  // document numbered k.
  const ScannedLine scanned = scanLine(line);
  if (scanned.unterminated) {
    ConsoleLine(warnings) << "Warning! May be miltiline string found at line: "
                          << quoted(scanned.masked) << ". Ignore";
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
  return unmaskEscapedQuotes(result);
}

bool patchLine(const QString& line, quint32 literalIndex, QStringView text, QString& patched,
               QStringList& warnings) {
  QString working = literalIndex == 0 ? makeLineTemplate(line, warnings) : line;
  if (working.isEmpty()) return false;
  working.replace(placeholderFor(literalIndex), text.toString());
  patched = working;
  return true;
}

bool holdsDoubleBackslash(QStringView text) {
  const char16_t* at = text.utf16();
  const char16_t* const end = at + text.size();
#ifdef __SSE2__
  // Eight characters at a time, each against the one after it.
  const __m128i backslash = _mm_set1_epi16('\\');
  for (; end - at >= 9; at += 8) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
    if (_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi16(here, backslash), _mm_cmpeq_epi16(next, backslash)))) {
      return true;
    }
  }
#endif
  for (; at + 1 < end; ++at) {
    if (at[0] == u'\\' && at[1] == u'\\') return true;
  }
  return false;
}

namespace {

// Appends text that stood outside the literals, markers turned back into
// escaped quotes. False when it then holds a double backslash, which could
// read as the start of a placeholder.
bool appendOutside(QString& result, const QStringRef& piece) {
  if (!piece.contains(QLatin1Char('<'))) {
    if (piece.contains(QLatin1String("\\\\"))) return false;
    result += piece;
    return true;
  }
  const QString text = unmaskEscapedQuotes(piece.toString());
  if (text.contains(QLatin1String("\\\\"))) return false;
  result += text;
  return true;
}

}  // namespace

bool patchLineAtOnce(const QString& line, const FileEntry& file, const LineRecord* const* rows,
                     int rowCount, QString& patched) {
  // Row by row, each row copies and searches the whole line: a long line
  // with many literals would cost its length times its rows. In the shape
  // checked here every placeholder is filled at most once, by the first row
  // of its number, and nothing else can ever look like a placeholder, so the
  // template can be filled in one go.
  if (rowCount == 0 || rows[0]->literalIndex != 0) return false;
  int filled = 0;
  for (int i = 0; i < rowCount; ++i) {
    const QStringView text = file.textOf(*rows[i]);
    if ((i > 0 && rows[i]->literalIndex == 0) || holdsDoubleBackslash(text)) return false;
    filled += int(text.size());
  }
  const ScannedLine scanned = scanLine(line);
  if (scanned.unterminated) return false;

  const int literalCount = scanned.literals.size();
  QVector<const LineRecord*> fills(literalCount, nullptr);
  for (int i = 0; i < rowCount; ++i) {
    const quint32 k = rows[i]->literalIndex;
    if (k < static_cast<quint32>(literalCount) && !fills[int(k)]) fills[int(k)] = rows[i];
  }
  QString result;
  result.reserve(line.size() + filled + 8 * literalCount);
  int outside = 0;
  for (int k = 0; k < literalCount; ++k) {
    const LiteralSpan& span = scanned.literals[k];
    if (!appendOutside(result, scanned.masked.midRef(outside, span.begin - outside))) return false;
    if (fills[k]) {
      result += file.textOf(*fills[k]);
    } else {
      result += placeholderFor(static_cast<quint32>(k));
    }
    outside = span.end;
  }
  if (!appendOutside(result, scanned.masked.midRef(outside))) return false;
  patched = result;
  return true;
}

QVector<const LineRecord*> rowsByLine(const FileEntry& file, quint32 lineCount) {
  QVector<const LineRecord*> rows;
  rows.reserve(file.rows.size());
  for (const LineRecord& row : file.rows) {
    if (row.lineIndex < lineCount) rows.append(&row);
  }
  const auto byLine = [](const LineRecord* a, const LineRecord* b) {
    return a->lineIndex < b->lineIndex;
  };
  // Rows mostly come in line order already.
  if (!std::is_sorted(rows.begin(), rows.end(), byLine)) {
    std::stable_sort(rows.begin(), rows.end(), byLine);
  }
  return rows;
}
