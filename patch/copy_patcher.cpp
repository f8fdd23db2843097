#include "patch/copy_patcher.h"

#include <QStringList>
#include <QVarLengthArray>
#include <QVector>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "console/decimal_text.h"
#include "patch/line_patcher.h"
#include "scan/cp1251_codec.h"
#include "scan/literal_scanner.h"

namespace {

// The lines of a source file's bytes: line i ends one byte before line i + 1
// starts.
class SourceLines {
 public:
  explicit SourceLines(const QByteArray& source) : source_(source) {
    const char* const begin = source.constData();
    const char* const end = begin + source.size();
    starts_.reserve(size_t(source.size() / 24 + 2));
    starts_.push_back(0);
    for (const char* at = begin;
         (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))) != nullptr;) {
      starts_.push_back(int(++at - begin));
    }
    count_ = quint32(starts_.size());
    starts_.push_back(source.size() + 1);
  }
  quint32 count() const { return count_; }
  const char* bytes(quint32 i) const { return source_.constData() + starts_[i]; }
  int size(quint32 i) const { return starts_[i + 1] - starts_[i] - 1; }
  QString text(quint32 i) const { return decodeCp1251(bytes(i), size(i)); }

 private:
  const QByteArray& source_;
  std::vector<int> starts_;
  quint32 count_ = 0;
};

// One line that rows point at: its bytes in the file's filled bytes when
// they were filled directly, else its text as it is being patched.
struct PatchedLine {
  quint32 index = 0;
  QString text;
  int filledAt = 0;
  int filledSize = 0;
  bool doneAtOnce = false;
  bool inBytes = false;
};

// The byte of the line a fill must look at: a quote, the backslash that
// escapes one, or the '<' that may begin a marker's text. Sixteen bytes at
// a time where they hold none.
inline bool isLookedAt(char c) { return c == '"' || c == '\'' || c == '\\' || c == '<'; }

const char* nextLookedAt(const char* at, const char* end) {
#ifdef __SSE2__
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i apostrophe = _mm_set1_epi8('\'');
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i less = _mm_set1_epi8('<');
  for (; end - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i found =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, apostrophe)),
                     _mm_or_si128(_mm_cmpeq_epi8(bytes, backslash), _mm_cmpeq_epi8(bytes, less)));
    if (const int mask = _mm_movemask_epi8(found)) return at + __builtin_ctz(unsigned(mask));
  }
#endif
  while (at < end && !isLookedAt(*at)) ++at;
  return at;
}

bool startsWithMarker(const char* at, const char* end) {
  for (const EscapedQuote& quote : kEscapedQuotes) {
    const size_t size = std::char_traits<char>::length(quote.marker);
    if (size_t(end - at) >= size && std::memcmp(at, quote.marker, size) == 0) return true;
  }
  return false;
}

// patchLineAtOnce on the line's bytes, appending to `out`: the same shape of
// rows is required, and the outcome is the encoded outcome of
// patchLineAtOnce. A quote right behind a backslash never delimits (that is
// what the escape markers do). False, for the text way to decide, when the
// shape is another, when the line holds a marker's text of its own, a
// double backslash outside the literals (it could read as the start of a
// placeholder) or when a text lacks a byte; `out` then holds a part.
bool fillLineBytes(const char* line, int size, const FileEntry& file, const LineRecord* const* rows,
                   int rowCount, QByteArray& out) {
  if (rowCount == 0 || rows[0]->literalIndex != 0) return false;
  for (int i = 0; i < rowCount; ++i) {
    if ((i > 0 && rows[i]->literalIndex == 0) || holdsDoubleBackslash(file.textOf(*rows[i]))) {
      return false;
    }
  }
  QVarLengthArray<std::pair<int, int>, 32> spans;  // content of each literal
  const char* const end = line + size;
  char closing = 0;
  int begin = 0;
  for (const char* at = line;; ++at) {
    at = nextLookedAt(at, end);
    if (at == end) break;
    const char c = *at;
    if (c == '<') {
      if (startsWithMarker(at, end)) return false;
    } else if (c == '\\') {
      if (!closing && at + 1 < end && at[1] == '\\') return false;
    } else if (at == line || at[-1] != '\\') {
      const int i = int(at - line);
      if (!closing) {
        closing = c;
        begin = i + 1;
      } else if (c == closing) {
        spans.append({begin, i});
        closing = 0;
      }
    }
  }
  if (closing) return false;
  QVarLengthArray<const LineRecord*, 32> fills(spans.size());
  std::fill(fills.begin(), fills.end(), nullptr);
  for (int i = 0; i < rowCount; ++i) {
    const quint32 k = rows[i]->literalIndex;
    if (k < quint32(spans.size()) && !fills[int(k)]) fills[int(k)] = rows[i];
  }
  // Room for the line with every literal's text or placeholder in place.
  int room = size;
  for (int k = 0; k < spans.size(); ++k) room += fills[k] ? fills[k]->text.size : 13;
  const int start = out.size();
  if (out.capacity() < start + room) out.reserve(qMax(start + room, 2 * out.capacity()));
  out.resize(start + room);
  char* o = out.data() + start;
  const auto copyOutside = [&](int from, int to) {
    std::memcpy(o, line + from, size_t(to - from));
    o += to - from;
  };
  int outside = 0;
  for (int k = 0; k < spans.size(); ++k) {
    copyOutside(outside, spans[k].first);
    if (fills[k]) {
      if (!encodeCp1251(file.textOf(*fills[k]), o)) return false;
      o += fills[k]->text.size;
    } else {
      // The placeholder as placeholderFor spells it: two backslashes, the
      // number, a space.
      *o++ = '\\';
      *o++ = '\\';
      o = writeDecimal(o, quint32(k));
      *o++ = ' ';
    }
    outside = spans[k].second;
  }
  copyOutside(outside, size);
  out.resize(int(o - out.constData()));
  return true;
}

// The patched lines of a file, with the slot of each line that rows point at.
struct PatchedLines {
  QVector<PatchedLine> lines;
  QVector<int> slotOf;  ///< by line index, -1 for a line no row points at
  QByteArray filled;    ///< the lines filled from their bytes, end to end

  const PatchedLine* at(quint32 i) const {
    const int slot = slotOf.isEmpty() ? -1 : slotOf[int(i)];
    return slot < 0 ? nullptr : &lines[slot];
  }
  const char* bytesOf(const PatchedLine& line) const { return filled.constData() + line.filledAt; }
};

// The first pass over one line that rows point at: filled from its bytes,
// or patched from its text in one pass, where the shape of its rows allows;
// else its text, left for the second pass. Rows of different lines never
// meet, so a line done here prints nothing.
PatchedLine patchAtOnce(const SourceLines& source, const FileEntry& file, quint32 index,
                        const LineRecord* const* rows, int rowCount, QByteArray& filled) {
  PatchedLine line;
  line.index = index;
  line.filledAt = filled.size();
  if (fillLineBytes(source.bytes(index), source.size(index), file, rows, rowCount, filled)) {
    line.filledSize = filled.size() - line.filledAt;
    line.doneAtOnce = line.inBytes = true;
    return line;
  }
  filled.truncate(line.filledAt);
  line.text = source.text(index);
  QString patched;
  if (patchLineAtOnce(line.text, file, rows, rowCount, patched)) {
    line.text = patched;
    line.doneAtOnce = true;
  }
  return line;
}

// The whole patched text, lines joined by CR LF, for the codec.
QString patchedText(const SourceLines& source, const PatchedLines& patched) {
  QStringList all;
  for (quint32 k = 0; k < source.count(); ++k) {
    const PatchedLine* line = patched.at(k);
    all << (!line           ? source.text(k)
            : line->inBytes ? decodeCp1251(patched.bytesOf(*line), line->filledSize)
                            : line->text);
  }
  return all.join(QLatin1String("\r\n"));
}

// The copy, lines joined by CR LF: every line no row points at as it
// stands. False when a patched text lacks a byte; `text` then holds the
// whole patched text for the codec.
bool assembleCopy(const SourceLines& source, const PatchedLines& patched, QByteArray& copy,
                  QString& text) {
  qint64 size = 2 * (qint64(source.count()) - 1);
  for (quint32 i = 0; i < source.count(); ++i) {
    const PatchedLine* line = patched.at(i);
    size += !line ? source.size(i) : line->inBytes ? line->filledSize : line->text.size();
  }
  copy.resize(int(size));
  char* out = copy.data();
  for (quint32 i = 0; i < source.count(); ++i) {
    if (i > 0) {
      *out++ = '\r';
      *out++ = '\n';
    }
    const PatchedLine* line = patched.at(i);
    if (!line) {
      std::memcpy(out, source.bytes(i), size_t(source.size(i)));
      out += source.size(i);
    } else if (line->inBytes) {
      std::memcpy(out, patched.bytesOf(*line), size_t(line->filledSize));
      out += line->filledSize;
    } else {
      QByteArray bytes;
      if (!encodeCp1251(line->text, bytes)) {
        text = patchedText(source, patched);
        return false;
      }
      std::memcpy(out, bytes.constData(), size_t(bytes.size()));
      out += bytes.size();
    }
  }
  return true;
}

}  // namespace

bool patchCopy(const QByteArray& source, const FileEntry& file, QByteArray& copy, QString& text,
               QStringList& warnings) {
  const SourceLines lines(source);
  const QVector<const LineRecord*> rows = rowsByLine(file, lines.count());
  PatchedLines patched;
  if (!rows.isEmpty()) {
    patched.slotOf = QVector<int>(int(lines.count()), -1);
    patched.filled.reserve(source.size() + source.size() / 4);
  }
  forEachRowLine(rows, [&](quint32 index, const LineRecord* const* lineRows, int rowCount) {
    patched.slotOf[int(index)] = patched.lines.size();
    patched.lines.append(patchAtOnce(lines, file, index, lineRows, rowCount, patched.filled));
  });
  patchRowByRow(
      file, lines.count(),
      [&](quint32 i) {
        PatchedLine& line = patched.lines[patched.slotOf[int(i)]];
        return line.doneAtOnce ? nullptr : &line.text;
      },
      warnings);
  return assembleCopy(lines, patched, copy, text);
}
