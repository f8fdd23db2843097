#include "tadslex/literal_reader.h"

#include "tadslex/control_form.h"
#include "tadslex/lex_state.h"
#include "tadslex/source_skipping.h"

namespace {

// The bytes that end a plain run of literal text.
struct SpecialBytes {
  bool is[256] = {};
  SpecialBytes() {
    for (unsigned char c : {'\n', '\r', '\\', '<', '"', '\''}) is[c] = true;
  }
};
const SpecialBytes kSpecial;

// Reads one literal; a small object so that each phase of it is a function.
class LiteralReader {
 public:
  LiteralReader(LexState& s, int depth) : s_(s), depth_(depth) {}
  bool read();

 private:
  void open();
  bool scanBody();
  void takeEscape();
  bool takeQuotes();  // true when they close the literal
  bool takeEmbeddedPart();
  bool foldLineBreak();
  bool continuationIsLoneCloser();
  void flush() { text_.append(s_.data + runStart_, s_.pos - runStart_); }
  bool fail(const QString& message);
  void store();

  LexState& s_;
  int depth_;
  int begin_ = 0;
  int bodyBegin_ = 0;
  int bodyEnd_ = 0;
  int openLine_ = 1;
  int firstIndex_ = 0;
  int problemsBefore_ = 0;
  char quote_ = '"';
  bool triple_ = false;
  bool regex_ = false;
  bool embeds_ = false;
  int runStart_ = 0;
  QByteArray text_;
  QVector<EmbeddedPart> parts_;
};

bool LiteralReader::read() {
  open();
  if (!scanBody()) return false;
  store();
  return true;
}

void LiteralReader::open() {
  firstIndex_ = s_.out->literals.size();
  problemsBefore_ = s_.out->problems.size();
  begin_ = s_.pos;
  openLine_ = s_.line;
  regex_ = s_.data[s_.pos] == 'R';
  if (regex_) ++s_.pos;
  quote_ = s_.data[s_.pos];
  triple_ = s_.tads3() && s_.at(s_.pos + 1) == quote_ && s_.at(s_.pos + 2) == quote_;
  s_.pos += triple_ ? 3 : 1;
  bodyBegin_ = runStart_ = s_.pos;
  // TADS 2 embeds only in double-quoted literals of code, TADS 3 in any but R.
  embeds_ = s_.tads3() ? !regex_ : (quote_ == '"' && depth_ == 0);
  // Reserve the outer literal's place before those of its embedded parts.
  if (!regex_) s_.out->literals.append(TadsLiteral());
}

bool LiteralReader::scanBody() {
  for (;;) {
    while (s_.pos < s_.size && !kSpecial.is[static_cast<unsigned char>(s_.data[s_.pos])]) ++s_.pos;
    if (s_.pos >= s_.size) {
      return fail(QStringLiteral("string literal opened on line %1 is left open at end of file")
                      .arg(openLine_));
    }
    char c = s_.data[s_.pos];
    if (c == '\\') {
      takeEscape();
    } else if (c == quote_) {
      if (takeQuotes()) return true;
    } else if (c == '<') {
      if (!takeEmbeddedPart()) return false;
    } else if (c == '\n' || c == '\r') {
      if (!foldLineBreak()) return false;
    } else {
      ++s_.pos;  // the other quote character
    }
  }
}

// A backslash escapes the next character; in a triple-quoted literal, the
// whole run of quotes that follows. A splice is not an escape, and a splice
// straight after the backslash makes the escape take the next line's first
// character, as the compiler joins lines before it reads escapes.
void LiteralReader::takeEscape() {
  if (isSpliceAt(s_, s_.pos)) {
    flush();
    skipSplices(s_);
    runStart_ = s_.pos;
    return;
  }
  ++s_.pos;
  if (isSpliceAt(s_, s_.pos)) {
    flush();
    skipSplices(s_);
    runStart_ = s_.pos;
  }
  if (s_.pos >= s_.size || lineBreakAt(s_, s_.pos) > 0) return;
  if (triple_ && s_.data[s_.pos] == quote_) {
    while (s_.at(s_.pos) == quote_) ++s_.pos;
    return;
  }
  ++s_.pos;
}

// One quote closes a plain literal; a run of three or more closes a
// triple-quoted one with its last three.
bool LiteralReader::takeQuotes() {
  if (!triple_) {
    bodyEnd_ = s_.pos;
    flush();
    ++s_.pos;
    return true;
  }
  int run = 0;
  while (s_.at(s_.pos + run) == quote_) ++run;
  s_.pos += run;
  if (run < 3) return false;
  bodyEnd_ = s_.pos - 3;
  text_.append(s_.data + runStart_, bodyEnd_ - runStart_);
  return true;
}

bool LiteralReader::takeEmbeddedPart() {
  if (!embeds_ || s_.at(s_.pos + 1) != '<') {
    ++s_.pos;
    return true;
  }
  flush();
  EmbeddedPart part;
  part.begin = s_.pos;
  s_.pos += 2;
  if (!readEmbeddedExpression(s_, depth_ + 1)) {
    if (s_.out->problems.size() > problemsBefore_) return fail(QString());
    return fail(QStringLiteral("string literal opened on line %1 is left open at end of file "
                               "inside an embedded expression")
                    .arg(openLine_));
  }
  part.end = s_.pos;
  part.kind = classifyEmbeddedPart(s_.data + part.begin, part.end - part.begin);
  text_.append(s_.data + part.begin, part.end - part.begin);
  parts_.append(part);
  runStart_ = s_.pos;
  return true;
}

// A line break inside the literal, folded as the compiler reads it.
bool LiteralReader::foldLineBreak() {
  flush();
  bool explicitNewline =
      s_.pos - 2 >= bodyBegin_ && s_.data[s_.pos - 2] == '\\' && s_.data[s_.pos - 1] == 'n';
  s_.pos += lineBreakAt(s_, s_.pos);
  ++s_.line;
  if (!s_.tads3()) {
    // TADS 2: one space for the break, blank lines and leading blanks.
    text_.append(' ');
    for (;;) {
      while (s_.pos < s_.size && isBlank(s_.data[s_.pos])) ++s_.pos;
      int br = lineBreakAt(s_, s_.pos);
      if (br == 0) break;
      s_.pos += br;
      ++s_.line;
    }
    runStart_ = s_.pos;
    return true;
  }
  if (s_.spacing == NewlineSpacing::Collapse && !explicitNewline) text_.append(' ');
  if (s_.spacing == NewlineSpacing::Preserve) text_.append('\n');
  if (s_.spacing != NewlineSpacing::Preserve && !explicitNewline) {
    while (s_.pos < s_.size && isBlank(s_.data[s_.pos])) ++s_.pos;
  }
  runStart_ = s_.pos;
  if (!continuationIsLoneCloser()) return true;
  return fail(QStringLiteral("string literal opened on line %1 appears unterminated: '%2' "
                             "stands alone on line %3")
                  .arg(openLine_)
                  .arg(QChar(s_.data[s_.pos]))
                  .arg(s_.line));
}

// The compiler's guess at a literal left open: a continued line that holds
// nothing but ';' or '}' (after the blanks it removed) ends the literal.
bool LiteralReader::continuationIsLoneCloser() {
  char c = s_.at(s_.pos);
  if (c != ';' && c != '}') return false;
  int i = s_.pos + 1;
  while (i < s_.size && isBlank(s_.data[i])) ++i;
  return i >= s_.size || lineBreakAt(s_, i) > 0;
}

// Takes back what this literal appended; code resumes at the cursor.
bool LiteralReader::fail(const QString& message) {
  s_.out->literals.resize(firstIndex_);
  if (!message.isEmpty()) s_.out->problems.append(LexProblem{openLine_, message});
  return false;
}

void LiteralReader::store() {
  if (regex_) return;
  TadsLiteral& lit = s_.out->literals[firstIndex_];
  lit.quote = quote_ == '"' ? (triple_ ? QuoteKind::TripleDouble : QuoteKind::Double)
                            : (triple_ ? QuoteKind::TripleSingle : QuoteKind::Single);
  lit.begin = begin_;
  lit.end = s_.pos;
  lit.bodyBegin = bodyBegin_;
  lit.bodyEnd = bodyEnd_;
  lit.line = openLine_;
  lit.lastLine = s_.line;
  lit.spacing = s_.spacing;
  lit.text = std::move(text_);
  lit.embedded = std::move(parts_);
  lit.depth = depth_;
}

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

bool isRegexStart(const LexState& s, int i) {
  return s.tads3() && s.data[i] == 'R' && (s.at(i + 1) == '"' || s.at(i + 1) == '\'') &&
         (i == 0 || !isIdentChar(s.data[i - 1]));
}

}  // namespace

bool readLiteral(LexState& s, int depth) { return LiteralReader(s, depth).read(); }

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
    } else if (c == '"' || c == '\'' || isRegexStart(s, s.pos)) {
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
