#include <cstring>

#include "tadslex/code_token.h"
#include "tadslex/lex_state.h"
#include "tadslex/literal_reader.h"
#include "tadslex/source_skipping.h"

namespace {

// Operators of more than one character that the context phase tells apart
// ("->", "==" is not "=", "+=" is not "+"), longest first.
const char* const kOperators[] = {
    ">>>=", "<<=", ">>=", ">>>", "...", "->", "==", "!=", "<=", ">=", "+=", "-=", "*=",
    "/=",   "%=",  "&=",  "|=",  "^=",  "&&", "||", "--", "::", "..", "<<", ">>"};

int operatorLength(const LexState& s) {
  const char* p = s.data + s.pos;
  int left = s.size - s.pos;
  if (*p == '+') {  // a run of '+' is one token: the nesting of a `+ Thing`
    int n = 1;
    while (n < left && p[n] == '+') ++n;
    return (n == 1 && left > 1 && p[1] == '=') ? 2 : n;
  }
  for (const char* op : kOperators) {
    int n = static_cast<int>(std::strlen(op));
    if (n <= left && std::memcmp(p, op, n) == 0) return n;
  }
  return 1;
}

class CodeScanner {
 public:
  explicit CodeScanner(LexState& s) : s_(s) {}
  QVector<CodeToken> scan();

 private:
  void add(CodeToken::Kind kind, int begin) {
    CodeToken t;
    t.kind = kind;
    t.begin = begin;
    t.end = s_.pos;
    tokens_.append(t);
  }
  void scanLiteral();
  void scanWord();

  LexState& s_;
  QVector<CodeToken> tokens_;
};

QVector<CodeToken> CodeScanner::scan() {
  tokens_.reserve(s_.size / 8);
  bool lineStart = true;
  while (s_.pos < s_.size) {
    char c = s_.data[s_.pos];
    if (c == '\n' || c == '\r') {
      s_.pos += lineBreakAt(s_, s_.pos);
      ++s_.line;
      lineStart = true;
    } else if (isBlank(c)) {
      ++s_.pos;
    } else if (lineStart && c == '#') {
      skipPreprocessorLine(s_);
    } else {
      lineStart = false;
      if (c == '/' && s_.at(s_.pos + 1) == '/') {
        skipLineComment(s_);
      } else if (c == '/' && s_.at(s_.pos + 1) == '*') {
        skipBlockComment(s_);
      } else if (c == '"' || c == '\'') {
        scanLiteral();
      } else if (isIdentChar(c)) {
        scanWord();
      } else if (isSpliceAt(s_, s_.pos)) {
        skipSplices(s_);
      } else {
        int begin = s_.pos;
        s_.pos += operatorLength(s_);
        add(CodeToken::Punct, begin);
      }
    }
  }
  return tokens_;
}

void CodeScanner::scanLiteral() {
  int begin = s_.pos;
  int first = s_.out->literals.size();
  bool regex = s_.data[s_.pos] == 'R';
  if (!readLiteral(s_, 0)) return;  // rejected: code resumes at the cursor
  add(regex ? CodeToken::Regex : CodeToken::Literal, begin);
  if (!regex) {
    tokens_.last().literal = first;
    tokens_.last().literalEnd = s_.out->literals.size();
  }
}

// An identifier, a number (digits, letters and a fraction), or the R of a
// regular-expression literal.
void CodeScanner::scanWord() {
  int begin = s_.pos;
  char c = s_.data[s_.pos];
  if (c == 'R' && s_.tads3() && (s_.at(s_.pos + 1) == '"' || s_.at(s_.pos + 1) == '\'')) {
    scanLiteral();
    return;
  }
  while (s_.pos < s_.size && isIdentChar(s_.data[s_.pos])) ++s_.pos;
  bool number = c >= '0' && c <= '9';
  if (number && s_.at(s_.pos) == '.' && s_.at(s_.pos + 1) >= '0' && s_.at(s_.pos + 1) <= '9') {
    ++s_.pos;
    while (s_.pos < s_.size && isIdentChar(s_.data[s_.pos])) ++s_.pos;
  }
  add(number ? CodeToken::Number : CodeToken::Identifier, begin);
}

}  // namespace

QVector<CodeToken> scanCode(LexState& s) { return CodeScanner(s).scan(); }
