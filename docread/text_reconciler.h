#ifndef BRISVANE_DOCREAD_TEXT_RECONCILER_H
#define BRISVANE_DOCREAD_TEXT_RECONCILER_H

#include <QHash>
#include <QString>

#include "docread/tolerant_reading.h"
#include "scan/document_model.h"

/// The text a row means, read from a page whose white space an editor laid
/// out anew: when it equals the source literal's text but for white space,
/// the row is unchanged and the source text stands, exactly; otherwise the
/// document's text stands, with the source's white space at its edges where
/// the page lost it.
QString reconcileText(const QString& documentText, const QString& sourceText);

/// The reading's model with every row's text reconciled with the project's
/// literal at its position (when the reading collapsed white space) and its
/// quote kind taken from the source, as get mode would write the row today.
/// `sourceLiterals` is keyed by rowKey.
DocumentModel reconcileWithProject(const TolerantReading& reading,
                                   const QHash<QString, LineEntry>& sourceLiterals);

#endif
