#ifndef BRISVANE_TADSLEX_EMBEDDED_EXPRESSION_H
#define BRISVANE_TADSLEX_EMBEDDED_EXPRESSION_H

// Internal to tadslex: the code of a `<<...>>` part of a literal.

struct LexState;

/// After the "<<" of an embedded part: reads its code, with comments and
/// literals of its own (of `literalDepth`), to past the ">>" that closes it
/// (one outside every parenthesis, bracket and brace in TADS 3). False when
/// the source ends first or an inner literal is rejected.
bool readEmbeddedExpression(LexState& s, int literalDepth);

#endif
