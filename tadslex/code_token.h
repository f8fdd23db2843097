#ifndef BRISVANE_TADSLEX_CODE_TOKEN_H
#define BRISVANE_TADSLEX_CODE_TOKEN_H

// Internal to tadslex: the tokens of code outside literals, which the context
// phase reads to name each literal's definition and property.

#include <QVector>

struct TadsLiteral;

struct CodeToken {
  enum Kind : unsigned char {
    Identifier,
    Number,
    Literal,  ///< literals [literal, literalEnd): the outer one, then those nested in it
    Regex,    ///< an R literal: an operand that gives no literal
    Punct,    ///< an operator or punctuation mark, longest match first
  };
  Kind kind = Punct;
  int begin = 0;  ///< byte offsets into the source
  int end = 0;
  int literal = -1;
  int literalEnd = -1;
};

struct LexState;

/// Phase one: reads the whole source from the cursor, skipping comments and
/// preprocessor lines, appending every literal to `s.out->literals` and
/// returning the tokens of the code around them.
QVector<CodeToken> scanCode(LexState& s);

#endif
