#ifndef BRISVANE_PO_PLAY_TRANSCRIPT_H
#define BRISVANE_PO_PLAY_TRANSCRIPT_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "po/play_tag.h"

/// What a run printed, read for comparison: the codes of the stand-ins taken
/// out, the commands of the replay found.
class Transcript {
 public:
  Transcript() = default;
  /// Reads the run's standard output (UTF-8; other bytes read as they come).
  explicit Transcript(const QByteArray& output);

  const QString& text() const { return text_.text; }
  /// Per character of text(): the tag of the stand-in it came from, or -1.
  const QVector<int>& owners() const { return text_.owner; }
  /// The commands of the replay as it shows them (">look" lines), in order.
  const QStringList& commands() const { return commands_; }
  /// The number of commands given before character `at` of text().
  int commandsBefore(int at) const;
  /// The first character of the text after command `number` (0-based), or
  /// the text's size.
  int commandStart(int number) const;
  /// Line `number` (0-based) of text(), and the line that holds character `at`.
  QString line(int number) const;
  int lineOf(int at) const;

  /// Where `other` stops reading as this transcript, compared with case,
  /// white space, `[More]` prompts and the articles "a" and "an" set aside
  /// (line breaks move with the length of texts, "a" becomes "an" with a
  /// name's first letter): -1 when it reads the same, else the character of
  /// this text from which on they differ.
  int firstDifference(const Transcript& other) const;
  /// The same, from the side of `other`: its character where they differ.
  int firstDifferenceIn(const Transcript& other) const;

  /// Per character of text(): the tag that `tagged` (the same game played
  /// with tagged texts) prints at that place, or -1; from the point where
  /// they stop reading the same on, -1. `differsAt` gets that point in
  /// text(), or -1.
  QVector<int> ownersFrom(const Transcript& tagged, int& differsAt) const;
  /// True when character `at` of text() lies on a command line.
  bool onCommandLine(int at) const;

  /// The tags that appear, each with the number of commands given before it
  /// first appears.
  QVector<QPair<int, int>> tagsShown() const;

 private:
  /// The text as compared: one character per kept character of text_, and
  /// where it stands there.
  struct Compared {
    QString chars;
    QVector<int> at;
  };
  static Compared comparedForm(const QString& text);
  /// The index in both compared forms from which they differ, or -1.
  static int divergence(const Compared& a, const Compared& b);

  UntaggedText text_;
  QStringList commands_;
  QVector<int> commandStarts_;
  QVector<int> lineStarts_;
  Compared compared_;
};

#endif
