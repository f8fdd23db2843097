#include "patch/copy_patcher.h"

#include <QStringList>
#include <QVector>
#include <algorithm>
#include <cstring>

#include "patch/line_patcher.h"
#include "scan/cp1251_codec.h"

namespace {

// One line that rows point at, with its text as it is being patched.
struct PatchedLine {
  quint32 index = 0;
  QString text;
  bool doneAtOnce = false;
};

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
    line.text = decodeCp1251(lineBytes(line.index), lineSize(line.index));
    // Rows of different lines never meet, so a line that can be filled in
    // one pass is done here; it prints nothing.
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
    return slot < 0 ? decodeCp1251(lineBytes(i), lineSize(i)) : lines[slot].text;
  };
  copy.clear();
  copy.reserve(source.size() + int(lineCount));
  QByteArray encoded;
  for (quint32 i = 0; i < lineCount; ++i) {
    if (i > 0) copy.append("\r\n", 2);
    const int slot = slotOf.isEmpty() ? -1 : slotOf[int(i)];
    if (slot < 0) {
      copy.append(lineBytes(i), lineSize(i));
    } else if (encodeCp1251(lines[slot].text, encoded)) {
      copy.append(encoded);
    } else {
      QStringList all;
      for (quint32 k = 0; k < lineCount; ++k) all.append(lineText(k));
      text = all.join(QLatin1String("\r\n"));
      return false;
    }
  }
  return true;
}
