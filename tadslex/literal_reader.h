#ifndef BRISVANE_TADSLEX_LITERAL_READER_H
#define BRISVANE_TADSLEX_LITERAL_READER_H

// Internal to tadslex: one literal, its embedded parts and their literals.

struct LexState;

/// At an opening quote, or at the `R` of a TADS 3 regular-expression literal:
/// reads the literal and appends it to `s.out->literals`, followed by the
/// literals of its embedded parts (an R literal appends nothing); the cursor
/// ends past the closing quotes. Context fields are left empty.
///
/// A literal the compiler would reject (left open at the end, or followed by
/// a line holding only ';' or '}') appends one problem naming its opening
/// line, takes back every literal it appended, leaves the cursor where code
/// resumes (at that ';' or '}', or at the end) and returns false.
bool readLiteral(LexState& s, int depth);

/// After the "<<" of an embedded part: reads its code, with comments and
/// literals of its own (of `literalDepth`), to past the ">>" that closes it
/// (one outside every parenthesis, bracket and brace in TADS 3). False when
/// the source ends first or an inner literal is rejected.
bool readEmbeddedExpression(LexState& s, int literalDepth);

#endif
