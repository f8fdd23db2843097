#ifndef BRISVANE_PO_PLAY_REPORT_H
#define BRISVANE_PO_PLAY_REPORT_H

#include <QString>

#include "po/play_project.h"
#include "po/play_session.h"
#include "po/play_translation.h"

/// Writes the page of `played` to `path`: one self-contained HTML file (no
/// network, no other file) with the counts of each kind of stretch at the
/// top, the transcript as the player reads it with every stretch coloured
/// by where it comes from and linked to its entry, and the entries with
/// their places and msgids. `translated`: the transcript is the translated
/// copy's. False with `error` set when the file cannot be written.
bool writePlayReport(const QString& path, const PlayProject& project, const PlaySession& session,
                     const PlayedTexts& played, bool translated, QString& error);

#endif
