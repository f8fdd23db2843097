#ifndef BRISVANE_PO_PLAY_NOTES_H
#define BRISVANE_PO_PLAY_NOTES_H

#include <QHash>
#include <QString>
#include <QTextStream>
#include <QVector>

#include "po/po_catalog.h"

// The class `play` gives an entry, as the extracted comment ("#.") line it
// writes into the template, which msgmerge carries into every PO file merged
// with that template and by which `msggrep -X` selects:
//   play: shown in play after "COMMAND"     ("(start)" before the first one)
//   play: changing it changes the game (build fails|start-up fails|transcript differs)
//   play: not reached in play

/// The comment of an entry first shown after `command` (empty: at the start).
QString shownNote(const QString& command);
/// The comment of an entry that changes the game; `how` is "build fails",
/// "start-up fails" or "transcript differs".
QString gameChangingNote(const QString& how);
QString notReachedNote();

/// `text` on one line in double quotes, white space collapsed, cut with
/// "..." after `limit` characters: how play's lines show a text.
QString quotedText(const QString& text, int limit = 100);

/// True when `comment` is a `play:` line.
bool isPlayNote(const QString& comment);
/// True when `comments` hold the line of an entry that changes the game.
bool changesTheGame(const QStringList& comments);

/// The `play:` line of every entry of the template at `path`, by msgctxt
/// (or none) and msgid (see playNoteKey). False with `error` set when it
/// cannot be read.
bool readPlayNotes(const QString& path, QHash<QString, QString>& notes, QString& error);
/// The key readPlayNotes files an entry under.
QString playNoteKey(bool hasContext, const QString& context, const QString& msgid);

class TemplateBuilder;

/// For `extract --play-from`: adds to every entry of `builder` whose msgctxt
/// and msgid an earlier `play` template at `path` holds that entry's
/// `play:` line. Returns how many, or -1 with `error` set when `path` cannot
/// be read.
int carryPlayNotes(const QString& path, TemplateBuilder& builder, QString& error);

/// For `apply`: one line on `err` per entry of `entries` that carries a
/// translation (not fuzzy, not its msgid) although its comment says that
/// changing it changes the game. Returns how many.
int warnGameChanging(const QVector<PoEntry>& entries, const QString& poFile, QTextStream& err);

#endif
