#include "formats/document_writer.h"

#include <QTextStream>

#include "formats/serialize_formatter.h"

void writeDocument(QTextStream& out, const DocumentModel& model, SerializeFormatter& formatter) {
  formatter.writeHeader(out);
  for (const FileEntry& file : model) {
    formatter.writeFileStart(out, file.name);
    for (const ChunkEntry& chunk : file.chunks) {
      formatter.writeChunkStart(out, chunk.name);
      for (const LineEntry& line : chunk.lines) {
        formatter.writeLine(out, line.text, line.doubleQuoted, line.lineIndex, line.literalIndex);
      }
      formatter.writeChunkEnd(out, chunk.name);
    }
    formatter.writeFileEnd(out, file.name);
  }
  formatter.writeFooter(out);
}

QTextStream& operator<<(QTextStream& out, const DocumentModel& model) {
  if (SerializeFormatter* formatter = currentFormatter()) writeDocument(out, model, *formatter);
  return out;
}
