#include "scan/chunk_detector.h"

#include <QRegExp>
#include <QStringList>
#include <QVector>

#include "scan/literal_scanner.h"

namespace {

// Every character of a header line is white space, a word character or the
// colon, and it holds a colon or one of the two keywords. Most source lines
// fail this cheap test, so the regular expressions run on few of them.
bool mayBeHeader(const QString& line) {
  bool colon = false;
  for (const QChar c : line) {
    if (c == QLatin1Char(':')) {
      colon = true;
    } else if (!c.isSpace() && !c.isLetterOrNumber() && !c.isMark() && c != QLatin1Char('_')) {
      return false;
    }
  }
  return colon || line.contains(QLatin1String("modify")) || line.contains(QLatin1String("replace"));
}

}  // namespace

bool isChunkHeader(const QString& line) {
  if (!mayBeHeader(line)) return false;
  static QVector<QRegExp> patterns = {
      QRegExp(QStringLiteral("\\s*\\w+\\s*:\\s*function\\s+\\w+")),
      QRegExp(QStringLiteral("\\s*\\w+\\s*:\\s*\\w+")),
      QRegExp(QStringLiteral("\\s*modify\\s*\\w+")),
      QRegExp(QStringLiteral("\\s*replace\\s*\\w+")),
  };
  for (QRegExp& pattern : patterns) {
    if (pattern.exactMatch(line)) return true;
  }
  return false;
}

QList<ChunkEntry> detectChunks(QString text) {
  QList<ChunkEntry> chunks;
  QList<SourceLine> pendingLines;
  QString currentName;
  bool inChunk = false;
  qint32 lineCounter = 0;

  auto finishChunk = [&]() {
    ChunkEntry chunk;
    chunk.name = currentName;
    chunk.lines = extractChunkLiterals(pendingLines);
    chunks.append(chunk);
    pendingLines.clear();
  };

  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    if (inChunk) pendingLines.append(SourceLine{line, lineCounter});
    if (isChunkHeader(line)) {
      if (!pendingLines.isEmpty()) finishChunk();
      currentName = line;
      inChunk = true;
    }
    ++lineCounter;
  }
  if (!pendingLines.isEmpty()) finishChunk();
  return chunks;
}
