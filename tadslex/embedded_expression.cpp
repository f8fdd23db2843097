#include "tadslex/embedded_expression.h"

#include "tadslex/lex_state.h"
#include "tadslex/literal_reader.h"
#include "tadslex/source_skipping.h"

namespace {

// A `<<%` format directive, skipped as the compiler's scan_sprintf_spec does,
// so that its characters ('(' as a padding character) count for nothing.
void skipFormatSpec(LexState& s) {
  auto skipChar = [&s]() {
    if (s.pos >= s.size || lineBreakAt(s, s.pos) > 0) return;
    s.pos +=
        (s.data[s.pos] == '\\' && s.pos + 1 < s.size && lineBreakAt(s, s.pos + 1) == 0) ? 2 : 1;
  };
  ++s.pos;
  for (;;) {
    char c = s.at(s.pos);
    if (c == '[') {
      ++s.pos;
      while (s.at(s.pos) >= '0' && s.at(s.pos) <= '9') ++s.pos;
      if (s.at(s.pos) == ']') ++s.pos;
    } else if (c == '_') {
      ++s.pos;
      skipChar();
    } else if (c == '-' || c == '+' || c == ' ' || c == ',' || c == '#') {
      ++s.pos;
    } else {
      break;
    }
  }
  while (s.at(s.pos) >= '0' && s.at(s.pos) <= '9') ++s.pos;
  if (s.at(s.pos) == '.') {
    ++s.pos;
    while (s.at(s.pos) >= '0' && s.at(s.pos) <= '9') ++s.pos;
  }
  skipChar();
}

}  // namespace

bool readEmbeddedExpression(LexState& s, int literalDepth) {
  if (s.tads3() && s.at(s.pos) == '%') skipFormatSpec(s);
  int parens = 0;
  while (s.pos < s.size) {
    char c = s.data[s.pos];
    if (c == '\n' || c == '\r') {
      s.pos += lineBreakAt(s, s.pos);
      ++s.line;
    } else if (c == '/' && s.at(s.pos + 1) == '/') {
      skipLineComment(s);
    } else if (c == '/' && s.at(s.pos + 1) == '*') {
      skipBlockComment(s);
    } else if (c == '"' || c == '\'' || startsRegexLiteral(s, s.pos)) {
      if (!readLiteral(s, literalDepth)) return false;
    } else if (c == '(' || c == '[' || c == '{') {
      ++parens;
      ++s.pos;
    } else if (c == ')' || c == ']' || c == '}') {
      if (parens > 0) --parens;
      ++s.pos;
    } else if (c == '>' && s.at(s.pos + 1) == '>' && (parens == 0 || !s.tads3())) {
      s.pos += 2;
      return true;
    } else if (isSpliceAt(s, s.pos)) {
      skipSplices(s);
    } else if (isIdentChar(c)) {
      while (s.pos < s.size && isIdentChar(s.data[s.pos])) ++s.pos;
    } else {
      ++s.pos;
    }
  }
  return false;
}
