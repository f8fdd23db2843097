#include "po/play_coverage.h"

#include <QRegularExpression>

namespace {

/// Gives the characters of each whitespace-delimited word that are not
/// letters the entry of the word's letters, or, in a word no entry claims,
/// the entry of the words on both sides when it is the same ("In 34 moves");
/// an article no entry claims goes with the word after it.
void spreadOverWords(const QString& text, QVector<int>& owners) {
  struct Word {
    int begin, end, owner;
  };
  QVector<Word> words;
  for (int at = 0; at < text.size();) {
    if (text[at].isSpace()) {
      ++at;
      continue;
    }
    Word word{at, at, -1};
    while (word.end < text.size() && !text[word.end].isSpace()) {
      if (word.owner < 0) word.owner = owners[word.end];
      ++word.end;
    }
    words.append(word);
    at = word.end;
  }
  const auto isArticle = [&](const Word& word) {
    const QStringRef spelled = text.midRef(word.begin, word.end - word.begin);
    return spelled.compare(QLatin1String("a"), Qt::CaseInsensitive) == 0 ||
           spelled.compare(QLatin1String("an"), Qt::CaseInsensitive) == 0;
  };
  for (int i = 0; i < words.size(); ++i) {
    int owner = words[i].owner;
    if (owner < 0 && i > 0 && i + 1 < words.size() && words[i - 1].owner == words[i + 1].owner) {
      owner = words[i - 1].owner;
    }
    // Transcripts are compared with "a" and "an" set aside, so no entry
    // claims them: one goes with the words around it, or the word after it.
    const bool article = words[i].owner < 0 && isArticle(words[i]);
    if (article && owner < 0 && i + 1 < words.size()) owner = words[i + 1].owner;
    if (owner < 0) continue;
    for (int at = words[i].begin; at < words[i].end; ++at) {
      if (owners[at] < 0 && (article || !text[at].isLetter())) owners[at] = owner;
    }
  }
}

/// `fragment` as a pattern that lets white space differ.
QRegularExpression patternOf(const QString& fragment) {
  QString pattern;
  for (const QString& word :
       fragment.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    if (!pattern.isEmpty()) pattern += QStringLiteral("\\s+");
    pattern += QRegularExpression::escape(word);
  }
  return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
}

/// Claims for `entry` what no entry claims of the places where `text` stands.
void claimPrinted(const QString& shown, const QString& text, int entry, QVector<int>& owners) {
  if (text.trimmed().isEmpty()) return;
  QRegularExpressionMatchIterator matches = patternOf(text).globalMatch(shown);
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    const int begin = int(match.capturedStart());
    const int end = int(match.capturedEnd());
    bool free = true;
    for (int at = begin; at < end && free; ++at) free = owners[at] < 0;
    if (!free) continue;
    for (int at = begin; at < end; ++at) owners[at] = entry;
  }
}

}  // namespace

QVector<Stretch> stretchesOf(const Transcript& shown, QVector<int> owners,
                             const std::function<StretchSource(int)>& sourceOf,
                             const QVector<QPair<int, QString>>& gameChanging) {
  const QString& text = shown.text();
  for (const QPair<int, QString>& printed : gameChanging) {
    claimPrinted(text, printed.second, printed.first, owners);
  }
  spreadOverWords(text, owners);
  QVector<Stretch> stretches;
  for (int at = 0; at < text.size(); ++at) {
    if (text[at].isSpace()) continue;
    Stretch next;
    next.begin = at;
    next.end = at + 1;
    if (shown.onCommandLine(at)) {
      next.source = StretchSource::Input;
    } else if (owners[at] >= 0) {
      next.entry = owners[at];
      next.source = sourceOf(owners[at]);
    }
    if (!stretches.isEmpty() && stretches.last().source == next.source &&
        stretches.last().entry == next.entry) {
      stretches.last().end = next.end;
    } else {
      stretches.append(next);
    }
  }
  return stretches;
}

double shareOf(const Transcript& shown, const QVector<Stretch>& stretches, StretchSource source) {
  int all = 0;
  int from = 0;
  for (const Stretch& stretch : stretches) {
    if (stretch.source == StretchSource::Input) continue;
    int count = 0;
    for (int at = stretch.begin; at < stretch.end; ++at)
      count += shown.text()[at].isSpace() ? 0 : 1;
    all += count;
    if (stretch.source == source) from += count;
  }
  return all == 0 ? 0 : double(from) / all;
}
