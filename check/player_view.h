#ifndef BRISVANE_CHECK_PLAYER_VIEW_H
#define BRISVANE_CHECK_PLAYER_VIEW_H

#include <QHash>
#include <QString>
#include <QStringList>

#include "check/finding.h"
#include "check/project_tree.h"
#include "check/tads_version.h"
#include "scan/document_model.h"

/// What the interpreter makes of the entities in a text.
struct Interpreter {
  TadsDialect dialect = TadsDialect::Tads3;
  bool htmlMode = false;  ///< TADS 2 only: a literal switches HTML mode on ("\H+")
};

/// True when `interpreter` prints `entity` ("&apos;") as written rather than
/// as the character it names. TADS 3, and TADS 2 in HTML mode, decode the
/// entities they know, not "&apos;"; TADS 2 otherwise decodes none.
bool printsAsWritten(const QString& entity, const Interpreter& interpreter);

/// True when a line of the project holds "\H+", with which a TADS 2 game
/// switches HTML mode on.
bool switchesHtmlModeOn(const SourceFolder& root);

/// The double-quoted literals whose escaped quotes get mode writes as
/// entities, by row key: the content between the quotes with the escape
/// markers of the literal scanner in place of the escapes. The first file
/// of a base name stands for all, as in new mode.
QHash<QString, QString> indexEscapedLiterals(const QList<const ProjectFile*>& files);

/// A text with the entities get mode put in for the source's escaped quotes
/// written as those escapes again.
struct RestoredEscapes {
  QString text;
  QStringList entities;  ///< the entities replaced, each kind once
};

/// Restores the escapes of `text`, a row of the literal whose marked content
/// is `markedSource`. A text equal to what get mode wrote becomes the source
/// content exactly. In a changed text an entity is taken as get mode's when
/// the source escapes that quote and holds no such entity of its own; an
/// entity the author wrote stays.
RestoredEscapes restoreEscapes(const QString& text, const QString& markedSource);

/// Every row the game would print with an entity as written, with the text
/// as the player would read it; in walk order.
Findings checkPlayerView(const SourceFolder& root, const DocumentModel& meant,
                         const Interpreter& interpreter);

/// `model` with the escapes of every row restored.
DocumentModel withSourceEscapes(DocumentModel model, const QHash<QString, QString>& escaped);

#endif
