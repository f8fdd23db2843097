// The TADS lexer on any bytes, in both dialects: no crash, hang or runaway
// memory, and the span invariants the apply step relies on. Every literal
// sits between quotes of its kind at exact offsets, in order; its parts lie
// inside its body; and its body, read back on its own between those quotes
// (the apply rule), is one literal with the same text and parts.
#include "fuzz_support.h"
#include "tadslex/literal_body.h"
#include "tadslex/tads_lexer.h"

namespace {

int quoteLength(QuoteKind quote) {
  return quote == QuoteKind::TripleDouble || quote == QuoteKind::TripleSingle ? 3 : 1;
}

char quoteChar(QuoteKind quote) {
  return quote == QuoteKind::Double || quote == QuoteKind::TripleDouble ? '"' : '\'';
}

void checkLiteral(const QByteArray& source, const TadsLiteral& lit, TadsDialect dialect) {
  const int q = quoteLength(lit.quote);
  require(lit.begin >= 0 && lit.begin < lit.end && lit.end <= source.size(), "span inside");
  require(lit.bodyBegin == lit.begin + q && lit.end == lit.bodyEnd + q, "quotes around body");
  require(lit.bodyBegin <= lit.bodyEnd, "body in order");
  for (int k = 0; k < q; ++k) {
    require(source[lit.begin + k] == quoteChar(lit.quote), "opening quotes of its kind");
    require(source[lit.bodyEnd + k] == quoteChar(lit.quote), "closing quotes of its kind");
  }
  require(lit.line >= 1 && lit.line <= lit.lastLine, "lines in order");
  require(lit.depth >= 0, "depth");
  require(dialect == TadsDialect::Tads3 || q == 1, "no triple quotes in TADS 2");
  int last = lit.bodyBegin;
  for (const EmbeddedPart& part : lit.embedded) {
    require(part.begin >= last && part.end <= lit.bodyEnd && part.end - part.begin >= 4,
            "parts inside the body, in order");
    require(source.mid(part.begin, 2) == "<<" && source.mid(part.end - 2, 2) == ">>",
            "parts between << and >>");
    last = part.end;
  }
  const QByteArray body = source.mid(lit.bodyBegin, lit.bodyEnd - lit.bodyBegin);
  const LiteralCheck check = checkLiteralBody(body, lit.quote, dialect, lit.spacing, lit.depth);
  require(check.ok, "the body reads back as one literal");
  require(check.text == lit.text, "the body reads back with the same text");
  require(check.embedded.size() == lit.embedded.size(), "the body reads back with its parts");
}

void checkResult(const QByteArray& source, const LexResult& result, TadsDialect dialect) {
  int lastBegin = -1;
  for (const TadsLiteral& lit : result.literals) {
    require(lit.begin > lastBegin, "literals in order of their opening quotes");
    lastBegin = lit.begin;
    checkLiteral(source, lit, dialect);
  }
  for (const LexProblem& problem : result.problems) {
    require(problem.line >= 1 && !problem.message.isEmpty(), "problems name a line");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray source(reinterpret_cast<const char*>(data), int(size));
  for (TadsDialect dialect : {TadsDialect::Tads3, TadsDialect::Tads2}) {
    checkResult(source, lexTads(source, dialect), dialect);
  }
  return 0;
}
