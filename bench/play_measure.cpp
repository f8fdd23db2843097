// The measure of how much of what the player reads a translator can
// translate, by the classes of a `brisvane-po play` template:
//   play_measure po PLAY.pot OUT.po
//       gives every entry not classified as changing the game a stand-in
//       that wraps its text in [[ ]] inside the markup, escapes, message
//       parameters, entities, punctuation and embedded expressions at its
//       edges and inside its first and last letter ("a[[ po bo]]x");
//   play_measure count REFERENCE.txt PLAYED.txt
//       compares the transcript of that copy, markers taken out, with the
//       reference (case, white space, [More] and a/an set aside) and prints
//       the share of its non-blank characters inside the stand-ins (the
//       letters on both edges of the markers included). Exit code 1 when
//       the copy plays differently.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "po/play_notes.h"
#include "po/play_prose.h"
#include "po/play_transcript.h"
#include "po/po_catalog.h"

namespace {

QString wrapped(const QString& text, QuoteKind quote) {
  const QVector<TextSpan> words = proseWords(text, quote, TadsDialect::Tads3);
  if (words.isEmpty()) return text;
  const int begin = words.first().begin + 1;
  const int end = std::max(begin, words.last().end - 1);
  return text.left(begin) + QStringLiteral("[[") + text.mid(begin, end - begin) +
         QStringLiteral("]]") + text.mid(end);
}

int makePo(const QString& from, const QString& to) {
  QVector<PoEntry> entries;
  QString error;
  if (!readPoFile(from, entries, error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 2;
  }
  int given = 0;
  for (PoEntry& entry : entries) {
    if (changesTheGame(entry.comments)) continue;
    const bool single =
        entry.comments.join(QLatin1Char('\n')).contains(QLatin1String("single-quoted"));
    entry.msgstr = wrapped(entry.msgid, single ? QuoteKind::Single : QuoteKind::Double);
    ++given;
  }
  if (!writePoFile(to, templateHeader(), entries, error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 2;
  }
  std::printf("%d of %d entries carry a stand-in\n", given, entries.size());
  return 0;
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int count(const QString& referencePath, const QString& playedPath) {
  const QString played = QString::fromUtf8(readAll(playedPath));
  // The transcript without markers, and which of its characters were inside.
  QString text;
  QVector<bool> inside;
  int depth = 0;
  for (int at = 0; at < played.size(); ++at) {
    if (played.midRef(at, 2) == QLatin1String("[[")) {
      if (!inside.isEmpty()) inside.last() = true;  // the first letter
      ++depth;
      ++at;
      continue;
    }
    if (played.midRef(at, 2) == QLatin1String("]]") && depth > 0) {
      --depth;
      ++at;
      if (at + 1 < played.size()) {  // the last letter
        text += played[++at];
        inside.append(true);
      }
      continue;
    }
    text += played[at];
    inside.append(depth > 0);
  }
  const Transcript reference(readAll(referencePath));
  const Transcript unmarked(text.toUtf8());
  const int differs = reference.firstDifference(unmarked);
  int all = 0, within = 0;
  for (int at = 0; at < text.size(); ++at) {
    if (text[at].isSpace()) continue;
    ++all;
    within += inside[at] ? 1 : 0;
  }
  std::printf("%.1f%% of %d non-blank characters inside the stand-ins\n",
              all ? 100.0 * within / all : 0.0, all);
  if (differs >= 0) {
    std::printf("the copy plays differently from line %d of the reference: %s\n",
                reference.lineOf(differs) + 1,
                qPrintable(reference.line(reference.lineOf(differs))));
    return 1;
  }
  std::printf("the copy plays the reference\n");
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() == 4 && arguments[1] == QLatin1String("po"))
    return makePo(arguments[2], arguments[3]);
  if (arguments.size() == 4 && arguments[1] == QLatin1String("count")) {
    return count(arguments[2], arguments[3]);
  }
  std::fprintf(stderr, "usage: play_measure po PLAY.pot OUT.po | count REFERENCE PLAYED\n");
  return 2;
}
