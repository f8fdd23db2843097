#include "po/play_translation.h"

#include "po/play_tag.h"
#include "po/translation_table.h"

namespace {

/// Every file of the project with the literals of `table` translated.
QHash<QString, QByteArray> renderAll(const PlayProject& project, const TranslationTable& table,
                                     PoConfig::TargetCharset target, QVector<Refusal>* refusals) {
  QHash<QString, QByteArray> files;
  for (int i = 0; i < project.files().size(); ++i) {
    const RenderedFile rendered = project.render(i, table, target);
    if (rendered.changed) files.insert(project.files()[i].relativePath, rendered.bytes);
    if (refusals) *refusals += rendered.refusals;
  }
  return files;
}

bool changesTheGame(const PlaySession& session, int entry) {
  return session.classes()[entry].kind == EntryClass::Kind::ChangesTheGame;
}

/// What each entry that changes the game prints: its translation or its text.
QVector<QPair<int, QString>> gameChangingTexts(const PlaySession& session,
                                               const PlayProject& project,
                                               const TranslationTable* table) {
  QVector<QPair<int, QString>> texts;
  for (int i = 0; i < project.entries().size(); ++i) {
    if (!changesTheGame(session, i)) continue;
    const QString& msgid = project.entries()[i].msgid;
    const Translation* translation = table ? table->find(QString(), msgid) : nullptr;
    // A single word is found everywhere; only a phrase tells where it stands.
    const QString text = translation ? translation->text : msgid;
    if (text.simplified().contains(QLatin1Char(' '))) texts.append({i, text});
  }
  return texts;
}

}  // namespace

PlayedTexts originalTexts(const PlaySession& session, const PlayProject& project) {
  PlayedTexts played;
  played.transcript = session.reference();
  const QVector<int> owners =
      played.transcript.ownersFrom(session.standInTranscript(), played.untracedFrom);
  played.stretches = stretchesOf(
      played.transcript, owners,
      [&](int entry) {
        return changesTheGame(session, entry) ? StretchSource::ChangesTheGame
                                              : StretchSource::Untranslated;
      },
      gameChangingTexts(session, project, nullptr));
  return played;
}

bool translatedTexts(PlaySession& session, const PlayProject& project,
                     const QVector<PoEntry>& translations, PoConfig::TargetCharset target,
                     PlayedTexts& played, QString& error) {
  const TranslationTable table(translations);
  if (!session.playFiles(renderAll(project, table, target, &played.refusals), played.transcript,
                         error)) {
    return false;
  }
  // The same copy with every text that does not change the game tagged, so
  // that the transcript tells which entry printed what.
  QVector<PoEntry> tagged;
  const QVector<PlayEntry>& entries = project.entries();
  for (int i = 0; i < entries.size(); ++i) {
    const Translation* translation = table.find(QString(), entries[i].msgid);
    if (changesTheGame(session, i) && !translation) continue;
    PoEntry entry;
    entry.msgid = entries[i].msgid;
    entry.msgstr = translation ? translation->text : entries[i].msgid;
    if (!changesTheGame(session, i)) {
      entry.msgstr = taggedStandIn(entry.msgstr, i, entries[i].quote, project.dialect());
    }
    tagged.append(entry);
  }
  Transcript traced;
  if (!session.playFiles(renderAll(project, TranslationTable(tagged), target, nullptr), traced,
                         error)) {
    error = QStringLiteral("the translated copy with its texts tagged: ") + error;
    return false;
  }
  const QVector<int> owners = played.transcript.ownersFrom(traced, played.untracedFrom);
  played.stretches = stretchesOf(
      played.transcript, owners,
      [&](int entry) {
        if (changesTheGame(session, entry)) return StretchSource::ChangesTheGame;
        return table.find(QString(), entries[entry].msgid) ? StretchSource::Translated
                                                           : StretchSource::Untranslated;
      },
      gameChangingTexts(session, project, &table));
  return true;
}
