#include "tadslex/tads_lexer.h"

#include "scan/byte_order_mark.h"
#include "tadslex/code_token.h"
#include "tadslex/context_reader.h"
#include "tadslex/lex_state.h"

namespace {

void removeDropped(QVector<TadsLiteral>& literals, const QVector<bool>& dropped) {
  int kept = 0;
  for (int k = 0; k < literals.size(); ++k) {
    if (dropped[k]) continue;
    if (kept != k) literals[kept] = std::move(literals[k]);
    ++kept;
  }
  literals.resize(kept);
}

}  // namespace

// Two phases over the bytes: the scanner tells code, comments, preprocessor
// lines and literals apart (reading each literal's span, folded text and
// embedded parts); the context reader then walks the code tokens between the
// literals to name their definitions and properties.
LexResult lexTads(const QByteArray& source, TadsDialect dialect) {
  LexResult result;
  LexState state(source, dialect, &result);
  if (byteOrderMarkOf(source) == ByteOrderMark::Utf8) state.pos = 3;
  QVector<CodeToken> tokens = scanCode(state);
  ContextReader context(source, dialect, tokens, result);
  context.readAll();
  removeDropped(result.literals, context.dropped());
  return result;
}
