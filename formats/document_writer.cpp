#include "formats/document_writer.h"

#include <QTextStream>

#include "formats/serialize_formatter.h"

void writeDocument(QTextStream& out, const DocumentModel& model, SerializeFormatter& formatter) {
  formatter.writeHeader(out);
  for (const FileEntry& file : model) {
    formatter.writeFileStart(out, file.name);
    for (const ChunkEntry& chunk : file.chunks) {
      formatter.writeChunkStart(out, file.nameOf(chunk));
      for (const LineRecord& row : file.rowsOf(chunk)) {
        formatter.writeLine(out, file.textOf(row), row.doubleQuoted, row.lineIndex,
                            row.literalIndex);
      }
      formatter.writeChunkEnd(out, file.nameOf(chunk));
    }
    formatter.writeFileEnd(out, file.name);
  }
  formatter.writeFooter(out);
}

QTextStream& operator<<(QTextStream& out, const DocumentModel& model) {
  if (SerializeFormatter* formatter = currentFormatter()) writeDocument(out, model, *formatter);
  return out;
}
