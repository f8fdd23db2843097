#ifndef BRISVANE_TESTS_FORMATS_WORKED_EXAMPLE_H
#define BRISVANE_TESTS_FORMATS_WORKED_EXAMPLE_H

#include <QBuffer>
#include <QTextStream>
#include <string>

#include "formats/document_writer.h"
#include "formats/serialize_formatter.h"

/// One file, one chunk, one double-quoted text with markup and an ampersand.
inline DocumentModel workedExampleModel() {
  return {FileEntry{QStringLiteral("start"),
                    {ChunkEntry{QStringLiteral("kitchen"),
                                {LineEntry{QStringLiteral("The kettle is <b>hot</b> & steaming."),
                                           true, 12, 0}}}}}};
}

/// The bytes the writer produces for `model` in the format `index` selects,
/// with that format's codec; the format index is restored afterwards.
inline std::string writtenDocument(int index, const DocumentModel& model) {
  const int saved = formatIndex;
  setFormatIndex(index);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QTextStream out(&buffer);
    currentFormatter()->setStreamCodec(out);
    out << model;
  }
  setFormatIndex(saved);
  return buffer.data().toStdString();
}

#endif
