#include "patch/copy_patcher.h"

#include <QStringList>
#include <QVarLengthArray>
#include <QVector>
#include <algorithm>
#include <cstring>
#include <string>

#include "patch/line_patcher.h"
#include "scan/cp1251_codec.h"
#include "scan/literal_scanner.h"

namespace {

// The lines of a source file's bytes: line i ends one byte before line i + 1
// starts.
class SourceLines {
 public:
  explicit SourceLines(const QByteArray& source) : source_(source), starts_{0} {
    const char* const begin = source.constData();
    const char* const end = begin + source.size();
    for (const char* at = begin;
         (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))) != nullptr;) {
      starts_.append(int(++at - begin));
    }
    count_ = quint32(starts_.size());
    starts_.append(source.size() + 1);
  }
  quint32 count() const { return count_; }
  int byteCount() const { return source_.size(); }
  const char* bytes(quint32 i) const { return source_.constData() + starts_[int(i)]; }
  int size(quint32 i) const { return starts_[int(i) + 1] - starts_[int(i)] - 1; }
  QString text(quint32 i) const { return decodeCp1251(bytes(i), size(i)); }

 private:
  const QByteArray& source_;
  QVector<int> starts_;
  quint32 count_ = 0;
};

// One line that rows point at: its bytes when they were filled directly,
// else its text as it is being patched.
struct PatchedLine {
  quint32 index = 0;
  QString text;
  QByteArray bytes;
  bool doneAtOnce = false;
  bool inBytes = false;
};

bool containsBytes(const char* data, int size, const char* fixed, int fixedSize) {
  for (int at = 0; at + fixedSize <= size; ++at) {
    if (data[at] == fixed[0] && std::memcmp(data + at, fixed, size_t(fixedSize)) == 0) return true;
  }
  return false;
}

// patchLineAtOnce on the line's bytes: the same shape of rows is required,
// and the outcome is the encoded outcome of patchLineAtOnce. A quote right
// behind a backslash never delimits (that is what the escape markers do).
// False, for the text way to decide, when the shape is another, when the
// line holds a marker's text of its own or when a text lacks a byte.
bool fillLineBytes(const char* line, int size, const FileEntry& file, const LineRecord* const* rows,
                   int rowCount, QByteArray& out) {
  if (rowCount == 0 || rows[0]->literalIndex != 0) return false;
  for (int i = 0; i < rowCount; ++i) {
    if ((i > 0 && rows[i]->literalIndex == 0) ||
        file.textOf(*rows[i]).contains(QLatin1Char('\\'))) {
      return false;
    }
  }
  for (const EscapedQuote& quote : kEscapedQuotes) {
    const int markerSize = int(std::char_traits<char>::length(quote.marker));
    if (containsBytes(line, size, quote.marker, markerSize)) return false;
  }
  QVarLengthArray<std::pair<int, int>, 32> spans;  // content of each literal
  char closing = 0;
  int begin = 0;
  for (int i = 0; i < size; ++i) {
    const char c = line[i];
    if ((c != '"' && c != '\'') || (i > 0 && line[i - 1] == '\\')) continue;
    if (!closing) {
      closing = c;
      begin = i + 1;
    } else if (c == closing) {
      spans.append({begin, i});
      closing = 0;
    }
  }
  if (closing) return false;
  QVarLengthArray<const LineRecord*, 32> fills(spans.size());
  std::fill(fills.begin(), fills.end(), nullptr);
  for (int i = 0; i < rowCount; ++i) {
    const quint32 k = rows[i]->literalIndex;
    if (k < quint32(spans.size()) && !fills[int(k)]) fills[int(k)] = rows[i];
  }
  // Text outside the literals must not hold a double backslash.
  auto appendOutside = [&](int from, int to) {
    if (containsBytes(line + from, to - from, "\\\\", 2)) return false;
    out.append(line + from, to - from);
    return true;
  };
  int filled = 0;
  for (const LineRecord* fill : fills) filled += fill ? fill->text.size : 8;
  out.clear();
  out.reserve(size + filled);
  int outside = 0;
  for (int k = 0; k < spans.size(); ++k) {
    if (!appendOutside(outside, spans[k].first)) return false;
    if (fills[k]) {
      if (!appendCp1251(file.textOf(*fills[k]), out)) return false;
    } else {
      out.append(placeholderFor(quint32(k)).toLatin1());
    }
    outside = spans[k].second;
  }
  return appendOutside(outside, size);
}

// The first pass over one line that rows point at: filled from its bytes,
// or patched from its text in one pass, where the shape of its rows allows;
// else its text, left for the second pass. Rows of different lines never
// meet, so a line done here prints nothing.
PatchedLine patchAtOnce(const SourceLines& source, const FileEntry& file, quint32 index,
                        const LineRecord* const* rows, int rowCount) {
  PatchedLine line;
  line.index = index;
  if (fillLineBytes(source.bytes(index), source.size(index), file, rows, rowCount, line.bytes)) {
    line.doneAtOnce = line.inBytes = true;
    return line;
  }
  line.text = source.text(index);
  QString patched;
  if (patchLineAtOnce(line.text, file, rows, rowCount, patched)) {
    line.text = patched;
    line.doneAtOnce = true;
  }
  return line;
}

// The patched lines of a file, with the slot of each line that rows point at.
struct PatchedLines {
  QVector<PatchedLine> lines;
  QVector<int> slotOf;  ///< by line index, -1 for a line no row points at

  const PatchedLine* at(quint32 i) const {
    const int slot = slotOf.isEmpty() ? -1 : slotOf[int(i)];
    return slot < 0 ? nullptr : &lines[slot];
  }
};

// The copy, lines joined by CR LF: every line no row points at as it
// stands. False when a patched text lacks a byte; `text` then holds the
// whole patched text for the codec.
bool assembleCopy(const SourceLines& source, const PatchedLines& patched, QByteArray& copy,
                  QString& text) {
  copy.clear();
  copy.reserve(source.byteCount() + int(source.count()));
  for (quint32 i = 0; i < source.count(); ++i) {
    if (i > 0) copy.append("\r\n", 2);
    const PatchedLine* line = patched.at(i);
    if (!line) {
      copy.append(source.bytes(i), source.size(i));
    } else if (line->inBytes) {
      copy.append(line->bytes);
    } else if (!appendCp1251(line->text, copy)) {
      QStringList all;
      for (quint32 k = 0; k < source.count(); ++k) {
        const PatchedLine* other = patched.at(k);
        all << (!other           ? source.text(k)
                : other->inBytes ? decodeCp1251(other->bytes.constData(), other->bytes.size())
                                 : other->text);
      }
      text = all.join(QLatin1String("\r\n"));
      return false;
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
  if (!rows.isEmpty()) patched.slotOf = QVector<int>(int(lines.count()), -1);
  forEachRowLine(rows, [&](quint32 index, const LineRecord* const* lineRows, int rowCount) {
    patched.slotOf[int(index)] = patched.lines.size();
    patched.lines.append(patchAtOnce(lines, file, index, lineRows, rowCount));
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
