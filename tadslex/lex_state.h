#ifndef BRISVANE_TADSLEX_LEX_STATE_H
#define BRISVANE_TADSLEX_LEX_STATE_H

// Internal to tadslex: the cursor every phase of the lexer reads through.

#include <QByteArray>

#include "tadslex/tads_lexer.h"

/// The read position in one source, with what the compiler carries along:
/// the line, the dialect and the `#pragma newline_spacing` mode in force.
struct LexState {
  LexState(const QByteArray& source, TadsDialect dialect, LexResult* out)
      : data(source.constData()), size(source.size()), dialect(dialect), out(out) {}

  const char* data;
  int size;
  int pos = 0;
  int line = 1;
  TadsDialect dialect;
  NewlineSpacing spacing = NewlineSpacing::Collapse;
  LexResult* out;

  /// The byte at `i`, or 0 past the end.
  char at(int i) const { return i < size ? data[i] : '\0'; }
  bool tads3() const { return dialect == TadsDialect::Tads3; }
};

/// Length of the line break at `i` ("\r\n", "\n" or "\r"), or 0.
inline int lineBreakAt(const LexState& s, int i) {
  if (i >= s.size) return 0;
  if (s.data[i] == '\n') return 1;
  if (s.data[i] != '\r') return 0;
  return s.at(i + 1) == '\n' ? 2 : 1;
}

/// Blanks as the compilers skip them at the start of a continued line.
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

/// Letters, digits, '_' and the bytes of non-ASCII characters.
inline bool isIdentChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

/// True when a backslash at `i` joins its line to the next: the TADS 3 line
/// reader removes a backslash standing straight before a line break, in code,
/// comments and literals alike.
inline bool isSpliceAt(const LexState& s, int i) {
  return s.tads3() && i < s.size && s.data[i] == '\\' && lineBreakAt(s, i + 1) > 0;
}

/// Steps over every splice at the cursor.
inline void skipSplices(LexState& s) {
  while (isSpliceAt(s, s.pos)) {
    s.pos += 1 + lineBreakAt(s, s.pos + 1);
    ++s.line;
  }
}

#endif
