// Chunk detection on any text: a line is a header exactly when one of the
// four header expressions matches all of it; the chunks are the header lines
// that have a line after them, in order; every literal lies on a line of its
// own chunk that holds a quote character.
#include <QStringList>

#include "fuzz_support.h"
#include "reference_paths.h"
#include "scan/chunk_detector.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  silenceConsole();
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
  QStringList warnings;
  FileEntry file;
  detectChunks(text, file, warnings);
  const QVector<ChunkEntry>& chunks = file.chunks;

  const QStringList lines = text.split(QLatin1Char('\n'));
  QList<int> headers;  // header lines that start an emitted chunk
  for (int i = 0; i < lines.size(); ++i) {
    const bool header = isChunkHeader(lines[i]);
    require(header == reference::matchesHeaderPattern(lines[i]),
            "header lines are the expressions'");
    if (header && i + 1 < lines.size()) headers.append(i);
  }
  require(chunks.size() == headers.size(), "one chunk per header line followed by a line");
  for (int k = 0; k < chunks.size(); ++k) {
    require(file.nameOf(chunks[k]) == lines[headers[k]], "chunk name is its header line");
    const qint64 first = headers[k] + 1;
    const qint64 last = k + 1 < headers.size() ? headers[k + 1] : lines.size() - 1;
    qint64 previousLine = -1;
    qint64 previousLiteral = -1;
    for (const LineRecord& entry : file.rowsOf(chunks[k])) {
      const qint64 line = entry.lineIndex;
      require(line >= first && line <= last, "literal lies within its chunk");
      require(line >= previousLine, "literal lines increase");
      require(line > previousLine || qint64(entry.literalIndex) == previousLiteral + 1,
              "literal indices count up along a line");
      require(line == previousLine || entry.literalIndex == 0, "literal indices start at 0");
      require(lines[int(line)].contains(QLatin1Char('"')) ||
                  lines[int(line)].contains(QLatin1Char('\'')),
              "a literal's line holds a quote");
      previousLine = line;
      previousLiteral = entry.literalIndex;
    }
  }
  return 0;
}
