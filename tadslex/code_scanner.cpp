#include "tadslex/code_token.h"
#include "tadslex/lex_state.h"
#include "tadslex/literal_reader.h"
#include "tadslex/source_skipping.h"

namespace {

// The length of the operator at the cursor: the multi-character operators
// the context phase tells apart ("->" from "-", "==" from "=", "+=" from
// "+"), longest first; a run of '+' is one token, the nesting of a `+ Thing`.
int operatorLength(const LexState& s) {
  const char* p = s.data + s.pos;
  const char c = p[0];
  const char d = s.at(s.pos + 1);
  const char e = s.at(s.pos + 2);
  switch (c) {
    case '+': {
      if (d == '=') return 2;
      int n = 1;
      while (s.at(s.pos + n) == '+') ++n;
      return n;
    }
    case '-':
      return (d == '>' || d == '-' || d == '=') ? 2 : 1;
    case '>':
      if (d == '>') {
        if (e == '>') return s.at(s.pos + 3) == '=' ? 4 : 3;
        return e == '=' ? 3 : 2;
      }
      return d == '=' ? 2 : 1;
    case '<':
      if (d == '<') return e == '=' ? 3 : 2;
      return d == '=' ? 2 : 1;
    case '.':
      if (d == '.') return e == '.' ? 3 : 2;
      return 1;
    case '&':
    case '|':
      return (d == c || d == '=') ? 2 : 1;
    case ':':
      return d == ':' ? 2 : 1;
    case '=':
    case '!':
    case '*':
    case '/':
    case '%':
    case '^':
      return d == '=' ? 2 : 1;
    default:
      return 1;
  }
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
        tokens_.last().op = operatorCode(s_.data + begin, s_.pos - begin);
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
  if (startsRegexLiteral(s_, s_.pos)) {
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
