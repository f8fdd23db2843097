#include "scan/document_model.h"

QList<LineEntry> FileEntry::entries() const {
  QList<LineEntry> values;
  values.reserve(rows.size());
  for (const LineRecord& row : rows) values.append(entryOf(row));
  return values;
}

TextPlace FileEntry::appendText(QStringView text) {
  const TextPlace place{texts.size(), int(text.size())};
  const QChar* const own = texts.constData();
  if (text.data() >= own && text.data() < own + texts.size()) {
    // Growing the texts may move them: copy the piece out first.
    texts.append(text.toString());
  } else {
    texts.append(text);
  }
  return place;
}

void FileEntry::squeeze() {
  chunks.squeeze();
  rows.squeeze();
  texts.squeeze();
}
