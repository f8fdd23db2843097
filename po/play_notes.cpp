#include "po/play_notes.h"

#include "po/template_builder.h"

namespace {

const QString kPrefix = QStringLiteral("play: ");
const QString kChanging = QStringLiteral("play: changing it changes the game");

}  // namespace

QString quotedText(const QString& text, int limit) {
  const QString line = text.simplified();
  return QLatin1Char('"') +
         (line.size() <= limit ? line : line.left(limit - 3) + QStringLiteral("...")) +
         QLatin1Char('"');
}

QString shownNote(const QString& command) {
  return kPrefix + QStringLiteral("shown in play after \"%1\"")
                       .arg(command.isEmpty() ? QStringLiteral("(start)") : command);
}

QString gameChangingNote(const QString& how) {
  return kChanging + QStringLiteral(" (%1)").arg(how);
}

QString notReachedNote() { return kPrefix + QStringLiteral("not reached in play"); }

bool isPlayNote(const QString& comment) { return comment.startsWith(kPrefix); }

bool changesTheGame(const QStringList& comments) {
  for (const QString& comment : comments) {
    if (comment.startsWith(kChanging)) return true;
  }
  return false;
}

QString playNoteKey(bool hasContext, const QString& context, const QString& msgid) {
  return hasContext ? context + QLatin1Char('\4') + msgid : msgid;
}

bool readPlayNotes(const QString& path, QHash<QString, QString>& notes, QString& error) {
  QVector<PoEntry> entries;
  if (!readPoFile(path, entries, error)) return false;
  for (const PoEntry& entry : entries) {
    for (const QString& comment : entry.comments) {
      if (isPlayNote(comment))
        notes.insert(playNoteKey(entry.hasContext, entry.context, entry.msgid), comment);
    }
  }
  return true;
}

int warnGameChanging(const QVector<PoEntry>& entries, const QString& poFile, QTextStream& err) {
  int warned = 0;
  for (const PoEntry& entry : entries) {
    if (entry.fuzzy || entry.msgstr.isEmpty() || entry.msgstr == entry.msgid ||
        !changesTheGame(entry.comments)) {
      continue;
    }
    err << poFile << ": warning: " << entry.references.value(0, QStringLiteral("(no place)"))
        << ": the translation of " << quotedText(entry.msgid, 200)
        << " is written although play found that changing it changes the game\n";
    ++warned;
  }
  return warned;
}

int carryPlayNotes(const QString& path, TemplateBuilder& builder, QString& error) {
  QHash<QString, QString> notes;
  if (!readPlayNotes(path, notes, error)) return -1;
  int carried = 0;
  for (int number = 0; number < builder.entryCount(); ++number) {
    const QByteArray context = builder.context(number);
    const auto found = notes.constFind(playNoteKey(!context.isNull(), QString::fromUtf8(context),
                                                   QString::fromUtf8(builder.msgid(number))));
    if (found == notes.constEnd()) continue;
    builder.addNote(number, *found);
    ++carried;
  }
  return carried;
}
