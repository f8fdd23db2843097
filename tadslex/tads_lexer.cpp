#include "tadslex/tads_lexer.h"

LexResult lexTads(const QByteArray& source, TadsDialect dialect) {
  Q_UNUSED(source);
  Q_UNUSED(dialect);
  return {};
}
