#include "po/import_text.h"

#include "docread/text_reconciler.h"
#include "scan/literal_scanner.h"

RowTranslation translationFromRow(const QString& rowText, const QString& sourceText,
                                  bool doubleQuoted, bool whiteSpaceCollapsed) {
  RowTranslation row;
  // A row that differs from its source only in white space becomes the source
  // text, exactly, and so stays untranslated.
  QString text = whiteSpaceCollapsed ? reconcileText(rowText, sourceText) : rowText;
  if (text == sourceText) return row;
  if (doubleQuoted) text = entitiesToEscapes(text);
  row.changed = true;
  row.text = text;
  return row;
}
