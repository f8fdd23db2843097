#ifndef BRISVANE_SCAN_DOCUMENT_MODEL_H
#define BRISVANE_SCAN_DOCUMENT_MODEL_H

#include <QList>
#include <QString>
#include <QStringView>
#include <QVector>

/// One string literal of one source line as a value of its own: its text as
/// it travels through the document, its quote kind and its position in the
/// file.
struct LineEntry {
  QString text;
  bool doubleQuoted = false;
  quint32 lineIndex = 0;     ///< 0-based line of the file.
  quint32 literalIndex = 0;  ///< 0-based among the literals of the line.
};

/// Where a text lies in the texts of its file.
struct TextPlace {
  int at = 0;
  int size = 0;
};

/// A LineEntry as its file holds it: the text lies in the file's texts.
struct LineRecord {
  TextPlace text;
  quint32 lineIndex = 0;
  quint32 literalIndex = 0;
  bool doubleQuoted = false;
};

/// One named section of a source file: its whole header line, and its rows
/// as a run of the file's rows.
struct ChunkEntry {
  TextPlace name;
  int firstRow = 0;
  int rowCount = 0;
};

/// A run of consecutive rows, for range-for.
struct RowRange {
  const LineRecord* first = nullptr;
  const LineRecord* last = nullptr;  ///< one past the end

  const LineRecord* begin() const { return first; }
  const LineRecord* end() const { return last; }
};

/// One source file; `name` is its base name (cut before the first dot). A
/// large document holds a million rows: the rows of a file stand in one
/// vector, chunk after chunk, and every text of the file (rows and chunk
/// names) in one string, so a file is a handful of blocks rather than a
/// block per row.
struct FileEntry {
  QString name;
  QVector<ChunkEntry> chunks;
  QVector<LineRecord> rows;  ///< the rows of every chunk, in document order
  QString texts;             ///< what the places of rows and chunk names point into

  QStringView textOf(TextPlace place) const {
    return QStringView(texts.constData() + place.at, place.size);
  }
  QStringView textOf(const LineRecord& row) const { return textOf(row.text); }
  QStringView nameOf(const ChunkEntry& chunk) const { return textOf(chunk.name); }
  RowRange rowsOf(const ChunkEntry& chunk) const {
    const LineRecord* first = rows.constData() + chunk.firstRow;
    return RowRange{first, first + chunk.rowCount};
  }
  /// A row as a value of its own.
  LineEntry entryOf(const LineRecord& row) const {
    return LineEntry{textOf(row).toString(), row.doubleQuoted, row.lineIndex, row.literalIndex};
  }
  /// Every row as a value of its own, chunk after chunk.
  QList<LineEntry> entries() const;

  /// Appends `text` to the texts (it may lie in them already).
  TextPlace appendText(QStringView text);
  /// Opens a chunk named `name`, without rows yet.
  void appendChunk(QStringView name) { appendChunk(appendText(name)); }
  /// Opens a chunk whose name lies at the end of the texts already.
  void appendChunk(TextPlace name) { chunks.append(ChunkEntry{name, rows.size(), 0}); }
  /// Appends a row to the last chunk, which must exist; `text` lies at the
  /// end of the texts already.
  void appendRow(TextPlace text, bool doubleQuoted, quint32 lineIndex, quint32 literalIndex) {
    rows.append(LineRecord{text, lineIndex, literalIndex, doubleQuoted});
    ++chunks.last().rowCount;
  }
  /// Appends `entry` to the last chunk, which must exist.
  void appendRow(const LineEntry& entry) {
    appendRow(appendText(entry.text), entry.doubleQuoted, entry.lineIndex, entry.literalIndex);
  }
  /// Frees the room its vectors and string hold beyond their contents.
  void squeeze();
};

// Moved in memory as they are when their vectors grow.
Q_DECLARE_TYPEINFO(TextPlace, Q_MOVABLE_TYPE);
Q_DECLARE_TYPEINFO(LineRecord, Q_MOVABLE_TYPE);
Q_DECLARE_TYPEINFO(ChunkEntry, Q_MOVABLE_TYPE);

/// The text of a project, file by file, in walk or document order.
using DocumentModel = QList<FileEntry>;

/// A copy of `file` made row by row: for each row, in document order,
/// `copyRow(entry, copy)` appends to the copy's last chunk the rows that
/// stand for it (the row itself, changed or not, others, or none).
template <typename CopyRow>
FileEntry rebuilt(const FileEntry& file, CopyRow copyRow) {
  FileEntry copy;
  copy.name = file.name;
  for (const ChunkEntry& chunk : file.chunks) {
    copy.appendChunk(file.nameOf(chunk));
    for (const LineRecord& row : file.rowsOf(chunk)) copyRow(file.entryOf(row), copy);
  }
  return copy;
}

#endif
