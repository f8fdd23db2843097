#include "tadslex/source_skipping.h"

#include <cstring>

#include "tadslex/lex_state.h"

namespace {

// The end of the current physical line: the first line break at or after `i`.
int lineEnd(const LexState& s, int i) {
  while (i < s.size && s.data[i] != '\n' && s.data[i] != '\r') ++i;
  return i;
}

void skipBlanks(const LexState& s, int& i, int end) {
  while (i < end && isBlank(s.data[i])) ++i;
}

bool takeWord(const LexState& s, int& i, int end, const char* word, bool ignoreCase) {
  int n = static_cast<int>(std::strlen(word));
  if (end - i < n) return false;
  for (int k = 0; k < n; ++k) {
    char c = s.data[i + k];
    if (ignoreCase && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[k]) return false;
  }
  if (i + n < end && isIdentChar(s.data[i + n])) return false;
  i += n;
  return true;
}

// `#pragma newline_spacing(mode)` over [begin, end): the pragma's name is
// matched without regard to case, the mode exactly, as the compiler does;
// "on" and "off" are its old names for collapse and delete.
void readNewlineSpacingPragma(LexState& s, int begin, int end) {
  int i = begin + 1;
  skipBlanks(s, i, end);
  if (!takeWord(s, i, end, "pragma", false)) return;
  skipBlanks(s, i, end);
  if (!takeWord(s, i, end, "newline_spacing", true)) return;
  skipBlanks(s, i, end);
  if (i >= end || s.data[i] != '(') return;
  ++i;
  skipBlanks(s, i, end);
  NewlineSpacing mode;
  if (takeWord(s, i, end, "collapse", false) || takeWord(s, i, end, "on", false)) {
    mode = NewlineSpacing::Collapse;
  } else if (takeWord(s, i, end, "delete", false) || takeWord(s, i, end, "off", false)) {
    mode = NewlineSpacing::Delete;
  } else if (takeWord(s, i, end, "preserve", false)) {
    mode = NewlineSpacing::Preserve;
  } else {
    return;
  }
  skipBlanks(s, i, end);
  if (i < end && s.data[i] == ')') s.spacing = mode;
}

// A quoted part of a preprocessor line ends at its quote or at the line's end.
void skipQuotedOnLine(LexState& s) {
  char quote = s.data[s.pos++];
  while (s.pos < s.size) {
    char c = s.data[s.pos];
    if (c == '\n' || c == '\r') return;
    if (c == '\\' && s.pos + 1 < s.size && s.data[s.pos + 1] != '\n' && s.data[s.pos + 1] != '\r') {
      s.pos += 2;
      continue;
    }
    ++s.pos;
    if (c == quote) return;
  }
}

}  // namespace

void skipLineComment(LexState& s) {
  for (;;) {
    s.pos = lineEnd(s, s.pos);
    if (s.pos == 0 || !isSpliceAt(s, s.pos - 1)) return;
    s.pos += lineBreakAt(s, s.pos);
    ++s.line;
  }
}

void skipBlockComment(LexState& s) {
  s.pos += 2;
  while (s.pos < s.size) {
    const char* hit = static_cast<const char*>(
        std::memchr(s.data + s.pos, '*', static_cast<size_t>(s.size - s.pos)));
    int stop = hit ? static_cast<int>(hit - s.data) : s.size;
    for (int i = s.pos; i < stop; ++i) {
      if (s.data[i] == '\n' || (s.data[i] == '\r' && s.at(i + 1) != '\n')) ++s.line;
    }
    s.pos = stop;
    if (!hit) return;
    ++s.pos;
    if (s.at(s.pos) == '/') {
      ++s.pos;
      return;
    }
  }
}

void skipPreprocessorLine(LexState& s) {
  int begin = s.pos;
  int firstLineEnd = -1;
  while (s.pos < s.size) {
    char c = s.data[s.pos];
    if (c == '\n' || c == '\r') {
      if (!isSpliceAt(s, s.pos - 1)) break;
      if (firstLineEnd < 0) firstLineEnd = s.pos - 1;
      s.pos += lineBreakAt(s, s.pos);
      ++s.line;
    } else if (c == '"' || c == '\'') {
      skipQuotedOnLine(s);
    } else if (c == '/' && s.at(s.pos + 1) == '/') {
      skipLineComment(s);
    } else if (c == '/' && s.at(s.pos + 1) == '*') {
      if (firstLineEnd < 0) firstLineEnd = s.pos;
      skipBlockComment(s);
    } else {
      ++s.pos;
    }
  }
  if (s.tads3()) readNewlineSpacingPragma(s, begin, firstLineEnd < 0 ? s.pos : firstLineEnd);
}
