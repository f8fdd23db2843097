#include "tadslex/control_form.h"

#include <cstring>

#include "tadslex/lex_state.h"

namespace {

// The control forms the compiler matches word for word; "*" stands for one
// or more words of a condition.
const char* const kControlForms[] = {
    "if *", "unless *", "else", "else if *", "else unless *", "otherwise", "otherwise if *",
    "otherwise unless *", "end", "or", "||", "one of", "first time", "only",
    // the endings of a one-of list
    "purely at random", "then purely at random", "at random", "then at random", "sticky random",
    "as decreasingly likely outcomes", "shuffled", "then shuffled", "half shuffled",
    "then half shuffled", "cycling", "stopping"};

// The first tokens of a part between its brackets, as the compiler's
// tokenizer cuts them: identifiers, "||", and any other single character.
struct Tokens {
  static constexpr int kMax = 6;
  const char* at[kMax];
  int size[kMax];
  int count = 0;  // kMax + 1: more than kMax
};

Tokens firstTokens(const char* p, int n) {
  Tokens t;
  int i = 0;
  while (i < n) {
    if (isBlank(p[i]) || p[i] == '\n' || p[i] == '\r') {
      ++i;
      continue;
    }
    int start = i;
    if (isIdentChar(p[i])) {
      while (i < n && isIdentChar(p[i])) ++i;
    } else {
      i += (p[i] == '|' && i + 1 < n && p[i + 1] == '|') ? 2 : 1;
    }
    if (t.count == Tokens::kMax) {
      ++t.count;
      break;
    }
    t.at[t.count] = p + start;
    t.size[t.count] = i - start;
    ++t.count;
  }
  return t;
}

bool matchesForm(const Tokens& t, const char* form) {
  int k = 0;
  const char* f = form;
  while (*f) {
    const char* space = std::strchr(f, ' ');
    int len = space ? static_cast<int>(space - f) : static_cast<int>(std::strlen(f));
    if (len == 1 && *f == '*') return k < t.count;  // a condition of one or more tokens
    if (k >= t.count || t.size[k] != len || std::memcmp(t.at[k], f, len) != 0) return false;
    ++k;
    f += len;
    if (*f == ' ') ++f;
  }
  return k == t.count;
}

}  // namespace

EmbeddedKind classifyEmbeddedPart(const char* part, int size) {
  if (size < 4 || part[0] != '<' || part[1] != '<') return EmbeddedKind::Expression;
  if (part[2] == '%') return EmbeddedKind::Format;
  int inner = size - 2;
  if (part[size - 1] == '>' && part[size - 2] == '>') inner -= 2;
  Tokens t = firstTokens(part + 2, inner);
  for (const char* form : kControlForms) {
    if (matchesForm(t, form)) return EmbeddedKind::Control;
  }
  return EmbeddedKind::Expression;
}

EmbeddedKind classifyEmbeddedPart(const QByteArray& part) {
  return classifyEmbeddedPart(part.constData(), part.size());
}

bool isControlForm(const QByteArray& part) {
  return classifyEmbeddedPart(part) == EmbeddedKind::Control;
}
