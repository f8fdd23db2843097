// The reading side of the HTML format: HtmlFormatter::preprocess.
#include "formats/html_formatter.h"

#include <algorithm>

namespace {

// The clean-up steps with a pattern are, in classic regular-expression
// syntax:
//   <style type="text/css">.*</style>   minimal
//   \s*class="\w+"                      greedy
//   <a\s+id=.*</a>                      minimal
//   <meta.*>                            minimal
//   <span>(.*)</span>                   minimal, replaced by the group
// Each match is removed (or reduced to its group) left to right, one pass,
// without overlaps. The document is many megabytes, so instead of running a
// regular-expression engine over it each pattern is matched by hand where
// its fixed text (the anchor) occurs, and the document is compacted in
// place. The unit tests hold these matchers to the regular expressions.

enum class Outcome { Match, NoMatch, NoMoreMatches };

struct Match {
  int begin = 0;      // first character removed
  int end = 0;        // one past the last character removed
  int keepBegin = 0;  // the part kept in place of the match, if any
  int keepEnd = 0;
};

using Matcher = Outcome (*)(const QString& text, int anchor, int floor, Match& match);

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_'); }

// A minimal ".*" followed by `closing`: the match ends at the first closing
// text at or after `from`. Without one, no later anchor can match either.
Outcome matchUpTo(const QString& text, int begin, int from, QLatin1String closing, Match& match) {
  const int close = text.indexOf(closing, from);
  if (close < 0) return Outcome::NoMoreMatches;
  match.begin = begin;
  match.end = close + closing.size();
  return Outcome::Match;
}

Outcome styleBlock(const QString& text, int anchor, int, Match& match) {
  return matchUpTo(text, anchor, anchor + 23, QLatin1String("</style>"), match);
}

// The greedy leading \s* takes the whole white-space run before the
// attribute, back to where the previous match ended.
Outcome classAttribute(const QString& text, int anchor, int floor, Match& match) {
  int end = anchor + 7;  // after class="
  const int wordStart = end;
  while (end < text.size() && isWordChar(text.at(end))) ++end;
  if (end == wordStart || end == text.size() || text.at(end) != QLatin1Char('"')) {
    return Outcome::NoMatch;
  }
  int begin = anchor;
  while (begin > floor && text.at(begin - 1).isSpace()) --begin;
  match.begin = begin;
  match.end = end + 1;
  return Outcome::Match;
}

Outcome anchorWithId(const QString& text, int anchor, int, Match& match) {
  int at = anchor + 2;  // after <a
  while (at < text.size() && text.at(at).isSpace()) ++at;
  if (at == anchor + 2 || !text.midRef(at, 3).startsWith(QLatin1String("id="))) {
    return Outcome::NoMatch;
  }
  return matchUpTo(text, anchor, at + 3, QLatin1String("</a>"), match);
}

Outcome metaTag(const QString& text, int anchor, int, Match& match) {
  return matchUpTo(text, anchor, anchor + 5, QLatin1String(">"), match);
}

Outcome plainSpan(const QString& text, int anchor, int, Match& match) {
  const Outcome outcome = matchUpTo(text, anchor, anchor + 6, QLatin1String("</span>"), match);
  match.keepBegin = anchor + 6;
  match.keepEnd = match.end - 7;
  return outcome;
}

// Applies one step in place: the text between matches moves down over the
// removed parts, so the document is never held twice.
void removeMatches(QString& text, QLatin1String anchor, Matcher matcher) {
  int found = text.indexOf(anchor);
  if (found < 0) return;
  QChar* data = text.data();
  int written = 0;
  int copied = 0;  // text before this index has been moved or dropped
  auto keep = [&](int from, int to) {
    if (from != written && to > from) std::copy(data + from, data + to, data + written);
    written += to - from;
  };
  while (found >= 0) {
    Match match;
    const Outcome outcome = matcher(text, found, copied, match);
    if (outcome == Outcome::NoMoreMatches) break;
    if (outcome == Outcome::NoMatch) {
      found = text.indexOf(anchor, found + 1);
      continue;
    }
    keep(copied, match.begin);
    keep(match.keepBegin, match.keepEnd);
    copied = match.end;
    found = text.indexOf(anchor, copied);
  }
  keep(copied, text.size());
  text.truncate(written);
}

}  // namespace

QString HtmlFormatter::preprocess(QString document) {
  // The order matters: class attributes go before the bare <p> and <span>
  // tags are looked for, so a tag that carried only a class is removed too.
  removeMatches(document, QLatin1String("<style type=\"text/css\">"), styleBlock);
  removeMatches(document, QLatin1String("class=\""), classAttribute);
  removeMatches(document, QLatin1String("<a"), anchorWithId);
  document.remove(QStringLiteral("<p>"));
  document.remove(QStringLiteral("</p>"));
  removeMatches(document, QLatin1String("<meta"), metaTag);
  document.remove(QStringLiteral("&nbsp;"));
  document.remove(QStringLiteral(" width=10%"));
  removeMatches(document, QLatin1String("<span>"), plainSpan);
  return document;
}
