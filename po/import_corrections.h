#ifndef BRISVANE_PO_IMPORT_CORRECTIONS_H
#define BRISVANE_PO_IMPORT_CORRECTIONS_H

#include <QString>
#include <QStringList>
#include <QVector>

#include "po/po_catalog.h"

/// One changed row of a corrected document, matched to its literal.
struct Correction {
  QString msgid;  ///< the literal's entry (its text as extract gives it)
  QString text;   ///< the row's text as TADS source text
  QString where;  ///< "path:line (literal N)", for reports
};

using CorrectionList = QVector<Correction>;

struct ImportTally {
  int translated = 0;  ///< entries that received a translation
  int fuzzy = 0;       ///< of those, the ones that received two different texts
};

/// Puts each correction into the entry of its msgid, in order. An entry that
/// receives a second, different text keeps the first, is marked fuzzy, and
/// the conflict is added to `reports` naming both rows. A correction whose
/// msgid has no entry is reported too, and so is an emptied text, which a
/// PO file cannot hold as a translation.
ImportTally applyCorrections(const CorrectionList& corrections, QVector<PoEntry>& entries,
                             QStringList& reports);

#endif
