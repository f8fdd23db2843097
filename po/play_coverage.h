#ifndef BRISVANE_PO_PLAY_COVERAGE_H
#define BRISVANE_PO_PLAY_COVERAGE_H

#include <QString>
#include <QVector>
#include <functional>

#include "po/play_transcript.h"

/// Where a stretch of a transcript comes from.
enum class StretchSource {
  Translated,      ///< an entry with a translation (not fuzzy)
  Untranslated,    ///< an entry without one, or a fuzzy one
  ChangesTheGame,  ///< an entry whose text changes the game, found by its words
  NoEntry,         ///< built at run time from pieces, or from outside the project
  Input,           ///< a command of the replay, as the player typed it
};

/// A run of characters of a transcript from one source, white space between
/// them included.
struct Stretch {
  int begin = 0;
  int end = 0;
  StretchSource source = StretchSource::NoEntry;
  int entry = -1;  ///< the entry it comes from, or -1
};

/// Cuts `shown` (the transcript as the player reads it) into stretches:
/// `owners` gives, per character, the entry it comes from or -1 (see
/// Transcript::ownersFrom); a character that is not a letter takes the
/// entry of the word it is part of, or of the words around it when both
/// come from one entry; the command lines are Input. `sourceOf` tells an
/// entry's source; `gameChanging` lists, per entry whose text changes the
/// game, the texts it prints, found in what no entry claims.
QVector<Stretch> stretchesOf(const Transcript& shown, QVector<int> owners,
                             const std::function<StretchSource(int)>& sourceOf,
                             const QVector<QPair<int, QString>>& gameChanging);

/// The share (0 to 1) of the non-blank characters of `shown` outside the
/// command lines that lie in stretches from `source`.
double shareOf(const Transcript& shown, const QVector<Stretch>& stretches, StretchSource source);

#endif
