#ifndef BRISVANE_TADSLEX_SOURCE_SKIPPING_H
#define BRISVANE_TADSLEX_SOURCE_SKIPPING_H

// Internal to tadslex: the parts of a source that hold no literal.

struct LexState;

/// At "//": moves to the line break that ends the comment (a splice carries
/// the comment onto the next line, as the TADS 3 line reader does).
void skipLineComment(LexState& s);

/// At "/*": moves past the next "*/", or to the end of the source.
void skipBlockComment(LexState& s);

/// At the '#' that starts a preprocessor line: moves to the line break that
/// ends it (splices and block comments may carry it further), skipping its
/// quoted parts; a TADS 3 `#pragma newline_spacing(...)` sets `s.spacing`.
void skipPreprocessorLine(LexState& s);

#endif
