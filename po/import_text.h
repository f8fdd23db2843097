#ifndef BRISVANE_PO_IMPORT_TEXT_H
#define BRISVANE_PO_IMPORT_TEXT_H

#include <QString>

/// What a corrected document's row says about one literal.
struct RowTranslation {
  bool changed = false;  ///< false when the row still holds its source text
  QString text;          ///< the translation as TADS source text, when changed
};

/// Reads a row's text against the text get mode wrote for the same literal
/// today (`sourceText`). A row equal to it is unchanged; so is one that differs
/// only in white space when the reader collapsed layout white space
/// (`whiteSpaceCollapsed`), which then also gets back the source's white space
/// at its edges where it lost it. In a double-quoted literal the entities get
/// mode writes for escaped quotes, "&quot;" and "&apos;", become the escapes
/// `\"` and `\'` again; single-quoted literals travel with their escapes.
RowTranslation translationFromRow(const QString& rowText, const QString& sourceText,
                                  bool doubleQuoted, bool whiteSpaceCollapsed);

#endif
