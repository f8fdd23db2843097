#include "docread/tolerant_reading.h"

#include <QRegExp>

#include "docread/tolerant_csv_reader.h"
#include "docread/tolerant_html_reader.h"

TolerantReading readTolerantDocument(const QByteArray& bytes, DocumentFormat format) {
  return format == DocumentFormat::Html ? readTolerantHtml(bytes) : readTolerantCsv(bytes);
}

QString rowKey(const QString& section, quint32 lineIndex, quint32 literalIndex) {
  return section + QLatin1Char('\n') + QString::number(lineIndex) + QLatin1Char('/') +
         QString::number(literalIndex);
}

bool parsePosition(QString options, LineEntry& entry) {
  options.remove(QRegExp(QStringLiteral("\\s")));
  const QStringList fields = options.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  if (fields.size() != 3) return false;
  bool lineOk = false;
  bool literalOk = false;
  // Negative numbers wrap as they do in the main tool, so that such a row is
  // judged as what new mode would make of it.
  entry.lineIndex = static_cast<quint32>(fields[1].toLongLong(&lineOk));
  entry.literalIndex = static_cast<quint32>(fields[2].toLongLong(&literalOk));
  entry.doubleQuoted = fields[0] == QLatin1String("\"");
  return lineOk && literalOk;
}

bool appendRow(DocumentModel& model, const LineEntry& entry) {
  if (model.isEmpty()) return false;
  FileEntry& section = model.last();
  if (section.chunks.isEmpty()) section.appendChunk(QStringView());
  section.appendRow(entry);
  return true;
}
