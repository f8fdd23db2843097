#include "po/play_tag.h"

#include <QRegularExpression>
#include <cstring>

#include "po/play_prose.h"

namespace {

// The code is "zq", the tag in base 20 written with letters that are neither
// 'q' nor 'z', and "zq": letters only, so that every tokenizer and pattern
// reads a tagged word as one word, and found again in any case.
const char kDigits[] = "abcdefghijklmnoprstu";
const int kBase = 20;

QString codeOf(int tag) {
  QString digits;
  do {
    digits.prepend(QLatin1Char(kDigits[tag % kBase]));
    tag /= kBase;
  } while (tag > 0);
  return QStringLiteral("zq") + digits + QStringLiteral("zq");
}

int valueOf(const QString& digits) {
  int value = 0;
  for (const QChar c : digits) {
    value = value * kBase + int(std::strchr(kDigits, c.toLower().toLatin1()) - kDigits);
  }
  return value;
}

}  // namespace

QString taggedStandIn(const QString& text, int tag, QuoteKind quote, TadsDialect dialect) {
  const QString code = codeOf(tag);
  QString result = text;
  const QVector<TextSpan> words = proseWords(text, quote, dialect);
  if (words.isEmpty()) return result;
  // Inside the last letter, "]]"; after every first letter, the code; after
  // the first one, "[[" before it.
  const int last = std::max(words.last().begin + 1, words.last().end - 1);
  result.insert(last, QStringLiteral("]]"));
  for (int i = words.size() - 1; i >= 0; --i) result.insert(words[i].begin + 1, code);
  result.insert(words.first().begin + 1, QStringLiteral("[["));
  return result;
}

UntaggedText untag(const QString& printed) {
  static const QRegularExpression code(QStringLiteral("zq([a-pr-u]+)zq"),
                                       QRegularExpression::CaseInsensitiveOption);
  UntaggedText result;
  result.text.reserve(printed.size());
  result.owner.reserve(printed.size());
  int from = 0;
  int owner = -1;  // the tag of the word being copied, until it ends
  const auto copyUpTo = [&](int end) {
    for (int i = from; i < end; ++i) {
      if (!printed[i].isLetter()) owner = -1;
      result.text += printed[i];
      result.owner.append(owner);
    }
  };
  QRegularExpressionMatchIterator matches = code.globalMatch(printed);
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    const int at = int(match.capturedStart());
    if (at == 0 || !printed[at - 1].isLetter()) continue;
    copyUpTo(at - 1);
    owner = valueOf(match.captured(1));
    result.text += printed[at - 1];
    result.owner.append(owner);
    from = int(match.capturedEnd());
  }
  copyUpTo(printed.size());
  return result;
}
