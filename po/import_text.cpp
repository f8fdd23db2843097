#include "po/import_text.h"

namespace {

QString leadingSpace(const QString& text) {
  int end = 0;
  while (end < text.size() && text[end].isSpace()) ++end;
  return text.left(end);
}

QString trailingSpace(const QString& text) {
  int begin = text.size();
  while (begin > 0 && text[begin - 1].isSpace()) --begin;
  return text.mid(begin);
}

}  // namespace

RowTranslation translationFromRow(const QString& rowText, const QString& sourceText,
                                  bool doubleQuoted, bool whiteSpaceCollapsed) {
  RowTranslation row;
  QString text = rowText;
  if (whiteSpaceCollapsed) {
    // simplified() treats a non-breaking space as white space too, as the
    // editor's page showed it.
    const QString meant = text.simplified();
    if (meant == sourceText.simplified()) return row;
    if (!meant.isEmpty()) {
      if (leadingSpace(text).isEmpty()) text.prepend(leadingSpace(sourceText));
      if (trailingSpace(text).isEmpty()) text.append(trailingSpace(sourceText));
    }
  }
  if (text == sourceText) return row;
  if (doubleQuoted) {
    text.replace(QLatin1String("&quot;"), QLatin1String("\\\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("\\'"));
  }
  row.changed = true;
  row.text = text;
  return row;
}
