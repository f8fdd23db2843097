#ifndef BRISVANE_PO_PLAY_TRANSLATION_H
#define BRISVANE_PO_PLAY_TRANSLATION_H

#include <QString>
#include <QVector>

#include "po/play_coverage.h"
#include "po/play_session.h"
#include "po/po_catalog.h"

/// A transcript with the stretches it is made of.
struct PlayedTexts {
  Transcript transcript;  ///< as the player reads it
  QVector<Stretch> stretches;
  /// Where the copy with tagged texts stopped reading as `transcript`
  /// (what follows is not attributed), or -1.
  int untracedFrom = -1;
  /// The translations the copy could not carry, as `apply` refuses them.
  QVector<Refusal> refusals;
};

/// The stretches of the untouched game, from the copy in which every entry
/// that does not change the game carries its stand-in: each from its entry
/// (untranslated) or from an entry that changes the game, or from none.
PlayedTexts originalTexts(const PlaySession& session, const PlayProject& project);

/// Builds and plays the copy `apply` writes from `translations` (a PO
/// file's entries), then the same copy with every text that does not change
/// the game tagged, and cuts the translated transcript into stretches by
/// source. False with `error` set when the translated copy does not build
/// or play.
bool translatedTexts(PlaySession& session, const PlayProject& project,
                     const QVector<PoEntry>& translations, PoConfig::TargetCharset target,
                     PlayedTexts& played, QString& error);

#endif
