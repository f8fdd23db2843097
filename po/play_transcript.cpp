#include "po/play_transcript.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

Transcript::Transcript(const QByteArray& output) {
  // A TADS 2 interpreter overwrites its "[More]" prompt once answered.
  static const QRegularExpression more(QStringLiteral("\\[More\\]\\r? *\\r?"));
  QString printed = QString::fromUtf8(output);
  printed.remove(more);
  printed.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  printed.remove(QLatin1Char('\r'));
  printed.remove(QStringLiteral("[["));
  printed.remove(QStringLiteral("]]"));
  text_ = untag(printed);
  const QString& text = text_.text;
  for (int start = 0; start <= text.size();) {
    lineStarts_.append(start);
    int end = text.indexOf(QLatin1Char('\n'), start);
    if (end < 0) end = text.size();
    if (start < end && text[start] == QLatin1Char('>') &&
        !text.midRef(start + 1, end - start - 1).trimmed().isEmpty()) {
      commands_.append(text.mid(start + 1, end - start - 1).trimmed());
      commandStarts_.append(start);
    }
    start = end + 1;
  }
  compared_ = comparedForm(text);
}

int Transcript::commandsBefore(int at) const {
  return int(std::upper_bound(commandStarts_.begin(), commandStarts_.end(), at) -
             commandStarts_.begin());
}

int Transcript::commandStart(int number) const {
  return number < commandStarts_.size() ? commandStarts_[number] : text_.text.size();
}

QString Transcript::line(int number) const {
  if (number < 0 || number >= lineStarts_.size()) return QString();
  const int start = lineStarts_[number];
  const int end = number + 1 < lineStarts_.size() ? lineStarts_[number + 1] - 1 : text().size();
  return text().mid(start, end - start);
}

int Transcript::lineOf(int at) const {
  return int(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), at) - lineStarts_.begin()) -
         1;
}

Transcript::Compared Transcript::comparedForm(const QString& text) {
  Compared form;
  form.chars.reserve(text.size());
  form.at.reserve(text.size());
  int at = 0;
  while (at < text.size()) {
    if (text[at].isSpace()) {
      ++at;
      continue;
    }
    int end = at;
    while (end < text.size() && !text[end].isSpace()) ++end;
    const QStringRef word = text.midRef(at, end - at);
    if (word.compare(QLatin1String("a"), Qt::CaseInsensitive) != 0 &&
        word.compare(QLatin1String("an"), Qt::CaseInsensitive) != 0) {
      for (int i = at; i < end; ++i) {
        form.chars += text[i].toLower();
        form.at.append(i);
      }
    }
    at = end;
  }
  return form;
}

int Transcript::divergence(const Compared& a, const Compared& b) {
  const int common = std::min(a.chars.size(), b.chars.size());
  for (int i = 0; i < common; ++i) {
    if (a.chars[i] != b.chars[i]) return i;
  }
  return a.chars.size() == b.chars.size() ? -1 : common;
}

int Transcript::firstDifference(const Transcript& other) const {
  const int index = divergence(compared_, other.compared_);
  if (index < 0) return -1;
  return index < compared_.at.size() ? compared_.at[index] : text().size();
}

int Transcript::firstDifferenceIn(const Transcript& other) const {
  const int index = divergence(compared_, other.compared_);
  if (index < 0) return -1;
  return index < other.compared_.at.size() ? other.compared_.at[index] : other.text().size();
}

QVector<QPair<int, int>> Transcript::tagsShown() const {
  QVector<QPair<int, int>> shown;
  QHash<int, bool> seen;
  for (int i = 0; i < text_.owner.size(); ++i) {
    const int tag = text_.owner[i];
    if (tag < 0 || seen.contains(tag)) continue;
    seen.insert(tag, true);
    shown.append({tag, commandsBefore(i)});
  }
  return shown;
}

QVector<int> Transcript::ownersFrom(const Transcript& tagged, int& differsAt) const {
  QVector<int> owners(text().size(), -1);
  const int same = divergence(compared_, tagged.compared_);
  const int common = same < 0 ? compared_.chars.size() : same;
  for (int i = 0; i < common; ++i)
    owners[compared_.at[i]] = tagged.owners()[tagged.compared_.at[i]];
  differsAt = same < 0 ? -1 : firstDifference(tagged);
  return owners;
}

bool Transcript::onCommandLine(int at) const {
  const int command = commandsBefore(at) - 1;
  if (command < 0) return false;
  const int end = text().indexOf(QLatin1Char('\n'), commandStarts_[command]);
  return end < 0 || at <= end;
}
