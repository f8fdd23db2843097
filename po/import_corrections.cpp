#include "po/import_corrections.h"

#include <QHash>

ImportTally applyCorrections(const CorrectionList& corrections, QVector<PoEntry>& entries,
                             QStringList& reports) {
  QHash<QString, int> indexByMsgid;
  for (int i = 0; i < entries.size(); ++i) {
    if (!entries[i].hasContext) indexByMsgid.insert(entries[i].msgid, i);
  }
  QHash<int, QString> firstRow;  // entry index -> where its translation came from
  ImportTally tally;
  for (const Correction& correction : corrections) {
    const int index = indexByMsgid.value(correction.msgid, -1);
    if (index < 0) {
      reports << correction.where + QStringLiteral(": no entry holds this literal; left out");
      continue;
    }
    if (correction.text.isEmpty()) {
      // An empty msgstr means "not translated": the source text would stay.
      reports << correction.where +
                     QStringLiteral(
                         ": the text was emptied, and a PO file cannot hold an empty "
                         "translation; the entry is left untranslated");
      continue;
    }
    PoEntry& entry = entries[index];
    const auto first = firstRow.constFind(index);
    if (first == firstRow.constEnd()) {
      entry.msgstr = correction.text;
      firstRow.insert(index, correction.where);
      ++tally.translated;
      continue;
    }
    if (correction.text == entry.msgstr) continue;
    if (!entry.fuzzy) ++tally.fuzzy;
    entry.fuzzy = true;
    reports << correction.where +
                   QStringLiteral(
                       ": a second translation of \"%1\" differs from the one at %2; "
                       "the first is kept and marked fuzzy")
                       .arg(entry.msgid, first.value());
  }
  return tally;
}
