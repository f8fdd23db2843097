#include "po/play_judge.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include "po/play_notes.h"
#include "po/play_prose.h"

namespace {

/// True when `text` holds `word` with no letter or digit straight before or after it.
bool holdsWord(const QString& text, const QString& word) {
  for (int at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
    const int end = at + word.size();
    if ((at == 0 || !text[at - 1].isLetterOrNumber()) &&
        (end == text.size() || !text[end].isLetterOrNumber())) {
      return true;
    }
  }
  return false;
}

/// The entries a tag of which `owners` hold over [begin, end), in order.
QVector<int> tagsIn(const QVector<int>& owners, int begin, int end) {
  QVector<int> tags;
  for (int i = std::max(0, begin); i < end && i < owners.size(); ++i) {
    if (owners[i] >= 0 && !tags.contains(owners[i])) tags.append(owners[i]);
  }
  return tags;
}

bool isSingle(QuoteKind quote) {
  return quote == QuoteKind::Single || quote == QuoteKind::TripleSingle;
}

}  // namespace

PlayJudge::PlayJudge(const PlayProject& project, const Transcript& reference, int referenceExit)
    : project_(project), reference_(reference), referenceExit_(referenceExit) {
  const QVector<PlayEntry>& entries = project.entries();
  for (const PlayEntry& entry : entries) lowered_.append(entry.msgid.trimmed().toLower());
  likeCode_.resize(2);
  for (int i = 0; i < entries.size(); ++i) {
    if (!isSingle(entries[i].quote) && !entries[i].vocabulary) continue;
    if (!lowered_[i].contains(QLatin1Char(' '))) likeCode_[0].append(i);
    likeCode_[1].append(i);
    for (const TextSpan& word : proseWords(entries[i].msgid, entries[i].quote, project.dialect())) {
      QVector<int>& holders =
          byWord_[entries[i].msgid.mid(word.begin, word.end - word.begin).toLower()];
      if (holders.isEmpty() || holders.last() != i) holders.append(i);
    }
  }
}

TrialOutcome PlayJudge::withLikeCode(TrialOutcome outcome) const {
  outcome.suspects += likeCode_;
  return outcome;
}

TrialOutcome PlayJudge::buildFailed(const ShellResult& build) const {
  static const QRegularExpression place(QStringLiteral("([^\\s(:]+)\\((\\d+)\\)"));
  TrialOutcome outcome;
  outcome.kind = TrialOutcome::Kind::BuildFails;
  const UntaggedText printed = untag(QString::fromUtf8(build.output + '\n' + build.errors));
  const QStringList lines = printed.text.split(QLatin1Char('\n'));
  QVector<int> named;
  for (const QString& line : lines) {
    if (!line.contains(QLatin1String("error"), Qt::CaseInsensitive)) continue;
    if (outcome.detail.isEmpty()) outcome.detail = line.trimmed();
    const QRegularExpressionMatch match = place.match(line);
    if (!match.hasMatch()) continue;
    const QString path = QDir::cleanPath(match.captured(1));
    const int number = match.captured(2).toInt();
    const QVector<PlayProject::File>& files = project_.files();
    for (int i = 0; i < project_.entries().size(); ++i) {
      for (const QPair<int, int>& at : project_.entries()[i].lines) {
        const QString& file = files[at.first].relativePath;
        const bool same = path == file || path.endsWith(QLatin1Char('/') + file) ||
                          file.endsWith(QLatin1Char('/') + path);
        if (qAbs(at.second - number) <= 2 && same) {
          named.append(i);
          break;
        }
      }
    }
  }
  // A message may quote a stand-in ("no such property zqbzq...").
  outcome.suspects = {named, tagsIn(printed.owner, 0, printed.owner.size())};
  if (build.timedOut) {
    outcome.detail = QStringLiteral("the build did not end in time");
  } else if (outcome.detail.isEmpty()) {
    const QString all = QString::fromUtf8(build.output + build.errors).trimmed();
    outcome.detail =
        all.isEmpty()
            ? QStringLiteral("the build command failed (exit code %1)").arg(build.exitCode)
            : all.section(QLatin1Char('\n'), 0, 0);
  }
  return withLikeCode(outcome);
}

TrialOutcome PlayJudge::judgeRun(const ShellResult& run, const Transcript& played,
                                 int timeoutSeconds) const {
  TrialOutcome outcome;
  int at = reference_.firstDifference(played);
  if (at < 0 && !run.timedOut && run.exitCode == referenceExit_) return outcome;
  if (at < 0) at = reference_.text().size();
  const int commands = reference_.commandsBefore(at);
  outcome.kind = commands == 0 ? TrialOutcome::Kind::StartupFails : TrialOutcome::Kind::Differs;
  const QString when =
      commands == 0 ? QStringLiteral("at start-up")
                    : QStringLiteral("after \"%1\"").arg(reference_.commands()[commands - 1]);
  const int playedAt = reference_.firstDifferenceIn(played);
  if (run.timedOut) {
    outcome.detail =
        QStringLiteral("%1: the run did not end within %2 s").arg(when).arg(timeoutSeconds);
  } else {
    const QString was = reference_.line(reference_.lineOf(at));
    const QString became = played.line(played.lineOf(playedAt));
    outcome.detail = QStringLiteral("%1: the copy printed %2 where the game printed %3")
                         .arg(when, quotedText(became), quotedText(was));
  }
  outcome.suspects = suspectsAround(played, playedAt, at);
  return withLikeCode(outcome);
}

const QVector<int>& PlayJudge::holding(const QString& word) const {
  static const QVector<int> none;
  const auto found = byWord_.constFind(word.toLower());
  return found == byWord_.constEnd() ? none : *found;
}

QVector<QVector<int>> PlayJudge::suspectsAround(const Transcript& played, int at,
                                                int referenceAt) const {
  const int command = played.commandsBefore(at);
  const QStringList words =
      command > 0 ? played.commands()[command - 1].split(QRegularExpression(QStringLiteral("\\W+")),
                                                         Qt::SkipEmptyParts)
                  : QStringList();
  const int lineStart = played.text().lastIndexOf(QLatin1Char('\n'), std::max(0, at - 1)) + 1;
  int lineEnd = played.text().indexOf(QLatin1Char('\n'), at);
  lineEnd = lineEnd < 0 ? played.text().size() : lineEnd;
  const QString line = played.text().mid(lineStart, lineEnd - lineStart).toLower();
  const QString was = reference_.line(reference_.lineOf(referenceAt)).toLower();

  QVector<int> named;
  // Of the line, what no stand-in printed.
  QString plain = line;
  for (int i = 0; i < plain.size(); ++i) {
    if (played.owners()[lineStart + i] >= 0) plain[i] = QLatin1Char(' ');
  }
  for (int entry = 0; entry < lowered_.size(); ++entry) {
    const QString& text = lowered_[entry];
    if (text.size() >= 2 && text.size() <= 60 && holdsWord(plain, text) && !holdsWord(was, text)) {
      named.append(entry);
    }
  }
  QVector<int> anyWord;
  for (const QString& word : words) {
    const QVector<int>& holders = holding(word);
    if (holdsWord(line, word.toLower())) named += holders;
    anyWord += holders;
  }
  // What the copy printed since the last command, up to the end of the line
  // that differs.
  const int blockBegin = command > 0 ? played.commandStart(command - 1) : 0;
  const QVector<int> printed = tagsIn(played.owners(), std::max(blockBegin, at - 240), lineEnd);
  return {named, printed, anyWord};
}
