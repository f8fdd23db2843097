#include "scan/chunk_detector.h"

#include <QStringList>
#include <QVector>
#include <array>

#include "scan/literal_scanner.h"

namespace {

// The four header patterns, matched against the whole line:
//   \s*\w+\s*:\s*function\s+\w+
//   \s*\w+\s*:\s*\w+
//   \s*modify\s*\w+
//   \s*replace\s*\w+
// with \s a white-space character and \w a letter, number, mark or
// underscore. They run on every line of every file, so they are matched by
// hand over the line's runs instead of by a regular-expression engine; the
// unit tests hold the hand matcher to the regular expressions.

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_'); }

enum class CharKind : unsigned char { Other, Space, Word, Colon };

CharKind kindOf(QChar c) {
  if (c == QLatin1Char(':')) return CharKind::Colon;
  if (c.isSpace()) return CharKind::Space;
  return isWordChar(c) ? CharKind::Word : CharKind::Other;
}

// Every line passes here, mostly ASCII: the kinds of the ASCII characters
// are looked up, taken once at start from the same character tests.
const std::array<CharKind, 128> kAsciiKinds = [] {
  std::array<CharKind, 128> kinds{};
  for (int i = 0; i < 128; ++i) kinds[i] = kindOf(QChar(i));
  return kinds;
}();

inline CharKind kindOfFast(QChar c) {
  return c.unicode() < 128 ? kAsciiKinds[c.unicode()] : kindOf(c);
}

// A header has at most four runs of word characters or colons. Two word runs
// in a row always have white space between them.
struct Tokens {
  QStringRef text[4];  // each a word, or ":"
  int size = 0;
};

// Splits a line into word runs and single colons. False for any other
// character, for more than four runs, and for trailing white space.
bool tokenize(const QStringRef& line, Tokens& tokens) {
  const int size = line.size();
  int i = 0;
  bool trailingSpace = false;
  const QChar* chars = line.unicode();
  while (i < size) {
    const CharKind kind = kindOfFast(chars[i]);
    trailingSpace = kind == CharKind::Space;
    if (trailingSpace) {
      ++i;
      continue;
    }
    int begin = i;
    if (kind == CharKind::Colon) {
      ++i;
    } else if (kind == CharKind::Word) {
      while (i < size && kindOfFast(chars[i]) == CharKind::Word) ++i;
    } else {
      return false;
    }
    if (tokens.size == 4) return false;
    tokens.text[tokens.size++] = QStringRef(line.string(), line.position() + begin, i - begin);
  }
  return !trailingSpace;
}

bool isWord(const QStringRef& token) { return token != QLatin1String(":"); }

// "name : class" or "name : function name".
bool isDefinitionHeader(const Tokens& tokens) {
  const QStringRef* t = tokens.text;
  if (tokens.size < 3 || !isWord(t[0]) || isWord(t[1]) || !isWord(t[2])) return false;
  if (tokens.size == 3) return true;
  return t[2] == QLatin1String("function") && isWord(t[3]);
}

// "modify name", where the blank may be missing ("modifyScore").
bool isBlockHeader(const Tokens& tokens, QLatin1String keyword) {
  const QStringRef* t = tokens.text;
  if (tokens.size == 1) return t[0].startsWith(keyword) && t[0].size() > keyword.size();
  return tokens.size == 2 && t[0] == keyword && isWord(t[1]);
}

}  // namespace

bool isChunkHeader(const QString& line) { return isChunkHeader(QStringRef(&line)); }

bool isChunkHeader(const QStringRef& line) {
  Tokens tokens;
  if (!tokenize(line, tokens)) return false;
  return isDefinitionHeader(tokens) || isBlockHeader(tokens, QLatin1String("modify")) ||
         isBlockHeader(tokens, QLatin1String("replace"));
}

void detectChunks(const QString& text, FileEntry& file, QStringList& warnings) {
  // The collected lines of the open chunk, as places in the text: only the
  // lines that hold a quote character become strings, for extraction.
  struct CollectedLine {
    int begin;
    int size;
    qint32 lineIndex;
  };
  QVector<CollectedLine> pendingLines;
  QStringView currentName;
  bool inChunk = false;
  qint32 lineCounter = 0;

  // The literals of every collected line that holds a quote character.
  auto finishChunk = [&]() {
    file.appendChunk(currentName);
    for (const CollectedLine& line : pendingLines) {
      const QStringRef lineText(&text, line.begin, line.size);
      if (lineText.indexOf(QLatin1Char('"')) >= 0 || lineText.indexOf(QLatin1Char('\'')) >= 0) {
        appendLineLiterals(lineText.toString(), quint32(line.lineIndex), file, warnings);
      }
    }
    pendingLines.clear();
  };

  // The lines are the pieces between line feeds, as splitting would give.
  for (int begin = 0;;) {
    const int found = text.indexOf(QLatin1Char('\n'), begin);
    const int end = found < 0 ? text.size() : found;
    const QStringRef line(&text, begin, end - begin);
    if (inChunk) pendingLines.append(CollectedLine{begin, end - begin, lineCounter});
    if (isChunkHeader(line)) {
      if (!pendingLines.isEmpty()) finishChunk();
      currentName = QStringView(text).mid(begin, end - begin);
      inChunk = true;
    }
    ++lineCounter;
    if (found < 0) break;
    begin = found + 1;
  }
  if (!pendingLines.isEmpty()) finishChunk();
}
