#include "docread/text_reconciler.h"

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

QString reconcileText(const QString& documentText, const QString& sourceText) {
  // simplified() collapses every run of white space, non-breaking spaces
  // included, as the editor did when it showed the page.
  const QString meant = documentText.simplified();
  if (meant == sourceText.simplified()) return sourceText;
  if (meant.isEmpty()) return documentText;
  QString text = documentText;
  if (leadingSpace(text).isEmpty()) text.prepend(leadingSpace(sourceText));
  if (trailingSpace(text).isEmpty()) text.append(trailingSpace(sourceText));
  return text;
}

DocumentModel reconcileWithProject(const TolerantReading& reading,
                                   const QHash<QString, LineEntry>& sourceLiterals) {
  DocumentModel model = reading.model;
  for (FileEntry& section : model) {
    section = rebuilt(section, [&](LineEntry row, FileEntry& copy) {
      const auto source =
          sourceLiterals.constFind(rowKey(section.name, row.lineIndex, row.literalIndex));
      if (source != sourceLiterals.constEnd()) {
        row.doubleQuoted = source->doubleQuoted;
        if (reading.whiteSpaceCollapsed) row.text = reconcileText(row.text, source->text);
      }
      copy.appendRow(row);
    });
  }
  return model;
}
