#include "po/import_text.h"

#include "docread/text_reconciler.h"

RowTranslation translationFromRow(const QString& rowText, const QString& sourceText,
                                  bool doubleQuoted, bool whiteSpaceCollapsed) {
  RowTranslation row;
  // A row that differs from its source only in white space becomes the source
  // text, exactly, and so stays untranslated.
  QString text = whiteSpaceCollapsed ? reconcileText(rowText, sourceText) : rowText;
  if (text == sourceText) return row;
  if (doubleQuoted) {
    text.replace(QLatin1String("&quot;"), QLatin1String("\\\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("\\'"));
  }
  row.changed = true;
  row.text = text;
  return row;
}
