// The reading side of the HTML format: HtmlFormatter::preprocess.
#include <QRegExp>

#include "formats/html_formatter.h"

namespace {

// One clean-up step: every non-overlapping match of a classic regular
// expression, left to right, is replaced by nothing or by its first group.
//
// A plain QString::replace(QRegExp) tries the pattern at every position of a
// document of many megabytes. Each match here begins with a fixed text (the
// anchor), possibly after white space, so the pattern is tried only where
// the anchor occurs: from the start of the white space run before it when
// the pattern allows leading white space, else at the anchor itself. The
// matches, and so the result, are the same.
struct CleanupStep {
  const char* pattern;
  const char* anchor;
  bool minimal;
  bool leadingSpace;  // the pattern starts with \s*
  bool keepGroup;     // replaced by the first captured group
};

QString applyStep(const QString& text, const CleanupStep& step) {
  const QString anchor = QString::fromLatin1(step.anchor);
  int found = text.indexOf(anchor);
  if (found < 0) return text;

  // The caret makes the pattern match only at the offset it is tried at.
  QRegExp pattern(QLatin1Char('^') + QString::fromLatin1(step.pattern), Qt::CaseSensitive,
                  QRegExp::RegExp);
  pattern.setMinimal(step.minimal);

  QString result;
  result.reserve(text.size());
  int copied = 0;  // text before this index is already in the result
  while (found >= 0) {
    int start = found;
    if (step.leadingSpace) {
      while (start > copied && text.at(start - 1).isSpace()) --start;
    }
    if (pattern.indexIn(text, start, QRegExp::CaretAtOffset) == start) {
      result += text.midRef(copied, start - copied);
      if (step.keepGroup) result += pattern.cap(1);
      copied = start + pattern.matchedLength();
      found = text.indexOf(anchor, qMax(copied, found + 1));
    } else {
      found = text.indexOf(anchor, found + 1);
    }
  }
  result += text.midRef(copied);
  return result;
}

const CleanupStep kStyleBlocks{"<style type=\"text/css\">.*</style>", "<style type=\"text/css\">",
                               true, false, false};
const CleanupStep kClassAttributes{"\\s*class=\"\\w+\"", "class=\"", false, true, false};
const CleanupStep kAnchorsWithId{"<a\\s+id=.*</a>", "<a", true, false, false};
const CleanupStep kMetaTags{"<meta.*>", "<meta", true, false, false};
const CleanupStep kPlainSpans{"<span>(.*)</span>", "<span>", true, false, true};

}  // namespace

QString HtmlFormatter::preprocess(QString document) {
  // The order matters: class attributes go before the bare <p> and <span>
  // tags are looked for, so a tag that carried only a class is removed too.
  document = applyStep(document, kStyleBlocks);
  document = applyStep(document, kClassAttributes);
  document = applyStep(document, kAnchorsWithId);
  document.remove(QStringLiteral("<p>"));
  document.remove(QStringLiteral("</p>"));
  document = applyStep(document, kMetaTags);
  document.remove(QStringLiteral("&nbsp;"));
  document.remove(QStringLiteral(" width=10%"));
  document = applyStep(document, kPlainSpans);
  return document;
}
