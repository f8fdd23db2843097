#include "patch/copy_patcher.h"

#include <QStringList>
#include <QVarLengthArray>
#include <QVector>
#include <algorithm>
#include <cstring>

#include "patch/line_patcher.h"
#include "scan/cp1251_codec.h"

namespace {

// One line that rows point at: its bytes when they were filled directly,
// else its text as it is being patched.
struct PatchedLine {
  quint32 index = 0;
  QString text;
  QByteArray bytes;
  bool doneAtOnce = false;
  bool inBytes = false;
};

bool holds(const char* data, int size, const char* fixed, int fixedSize) {
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
bool fillLineBytes(const char* line, int size, const LineEntry* const* rows, int rowCount,
                   QByteArray& out) {
  if (rowCount == 0 || rows[0]->literalIndex != 0) return false;
  for (int i = 0; i < rowCount; ++i) {
    if ((i > 0 && rows[i]->literalIndex == 0) || rows[i]->text.contains(QLatin1Char('\\'))) {
      return false;
    }
  }
  if (holds(line, size, "<DQUOTE>", 8) || holds(line, size, "<SQUOTE>", 8)) return false;
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
  QVarLengthArray<const QString*, 32> fills(spans.size());
  std::fill(fills.begin(), fills.end(), nullptr);
  for (int i = 0; i < rowCount; ++i) {
    const quint32 k = rows[i]->literalIndex;
    if (k < quint32(spans.size()) && !fills[int(k)]) fills[int(k)] = &rows[i]->text;
  }
  // Text outside the literals must not hold a double backslash.
  auto appendOutside = [&](int from, int to) {
    if (holds(line + from, to - from, "\\\\", 2)) return false;
    out.append(line + from, to - from);
    return true;
  };
  int filled = 0;
  for (const QString* fill : fills) filled += fill ? fill->size() : 8;
  out.clear();
  out.reserve(size + filled);
  int outside = 0;
  for (int k = 0; k < spans.size(); ++k) {
    if (!appendOutside(outside, spans[k].first)) return false;
    if (fills[k]) {
      if (!appendCp1251(*fills[k], out)) return false;
    } else {
      out.append(placeholderFor(quint32(k)).toLatin1());
    }
    outside = spans[k].second;
  }
  return appendOutside(outside, size);
}

}  // namespace

bool patchCopy(const QByteArray& source, const FileEntry& file, QByteArray& copy, QString& text) {
  // Where each line starts; line i ends one byte before line i + 1 starts.
  QVector<int> starts{0};
  const char* const begin = source.constData();
  const char* const end = begin + source.size();
  for (const char* at = begin;
       (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))) != nullptr;) {
    starts.append(int(++at - begin));
  }
  const quint32 lineCount = static_cast<quint32>(starts.size());
  starts.append(source.size() + 1);
  auto lineBytes = [&](quint32 i) { return source.constData() + starts[int(i)]; };
  auto lineSize = [&](quint32 i) { return starts[int(i) + 1] - starts[int(i)] - 1; };

  // The rows of each line in document order, lines in file order.
  QVector<const LineEntry*> rows;
  for (const ChunkEntry& chunk : file.chunks) {
    for (const LineEntry& entry : chunk.lines) {
      if (entry.lineIndex < lineCount) rows.append(&entry);
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const LineEntry* a, const LineEntry* b) {
    return a->lineIndex < b->lineIndex;
  });
  QVector<PatchedLine> lines;
  QVector<int> slotOf(rows.isEmpty() ? 0 : int(lineCount), -1);
  for (int first = 0; first < rows.size();) {
    int last = first;
    while (last < rows.size() && rows[last]->lineIndex == rows[first]->lineIndex) ++last;
    PatchedLine line;
    line.index = rows[first]->lineIndex;
    // Rows of different lines never meet, so a line that can be filled in
    // one pass is done here; it prints nothing.
    if (fillLineBytes(lineBytes(line.index), lineSize(line.index), rows.constData() + first,
                      last - first, line.bytes)) {
      line.doneAtOnce = true;
      line.inBytes = true;
      slotOf[int(line.index)] = lines.size();
      lines.append(line);
      first = last;
      continue;
    }
    line.text = decodeCp1251(lineBytes(line.index), lineSize(line.index));
    QString patched;
    if (patchLineAtOnce(line.text, rows.mid(first, last - first), patched)) {
      line.text = patched;
      line.doneAtOnce = true;
    }
    slotOf[int(line.index)] = lines.size();
    lines.append(line);
    first = last;
  }
  // The other lines row by row in document order, which keeps their
  // warnings in that order.
  for (const ChunkEntry& chunk : file.chunks) {
    for (const LineEntry& entry : chunk.lines) {
      if (entry.lineIndex >= lineCount) continue;
      PatchedLine& line = lines[slotOf[int(entry.lineIndex)]];
      if (line.doneAtOnce) continue;
      QString patched;
      if (patchLine(line.text, entry, patched)) line.text = patched;
    }
  }

  auto lineText = [&](quint32 i) {
    const int slot = slotOf.isEmpty() ? -1 : slotOf[int(i)];
    if (slot < 0) return decodeCp1251(lineBytes(i), lineSize(i));
    const PatchedLine& line = lines[slot];
    return line.inBytes ? decodeCp1251(line.bytes.constData(), line.bytes.size()) : line.text;
  };
  copy.clear();
  copy.reserve(source.size() + int(lineCount));
  for (quint32 i = 0; i < lineCount; ++i) {
    if (i > 0) copy.append("\r\n", 2);
    const int slot = slotOf.isEmpty() ? -1 : slotOf[int(i)];
    if (slot < 0) {
      copy.append(lineBytes(i), lineSize(i));
    } else if (lines[slot].inBytes) {
      copy.append(lines[slot].bytes);
    } else if (!appendCp1251(lines[slot].text, copy)) {
      QStringList all;
      for (quint32 k = 0; k < lineCount; ++k) all.append(lineText(k));
      text = all.join(QLatin1String("\r\n"));
      return false;
    }
  }
  return true;
}
