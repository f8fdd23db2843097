#include "check/strict_forecast.h"

#include <QTextStream>
#include <QXmlStreamReader>

#include "docread/tolerant_html_reader.h"
#include "formats/csv_formatter.h"
#include "patch/document_reader.h"

namespace {

QString decodeAsNewMode(const QByteArray& document, SerializeFormatter& formatter) {
  QByteArray bytes = document;
  QTextStream in(&bytes, QIODevice::ReadOnly);
  formatter.setStreamCodec(in);
  return in.readAll();
}

// Where the reader stops on the normalised page: at the first place where it
// is not well-formed XML, or at the first heading or cell that holds markup,
// whichever comes first (on one line, the markup: its place is the more
// telling).
QString htmlStop(const QString& xhtml, const TolerantReading& normalised) {
  QXmlStreamReader xml(xhtml);
  while (!xml.atEnd() && !xml.hasError()) xml.readNext();
  const bool markup = !normalised.markup.isEmpty();
  if (markup && (!xml.hasError() || normalised.markup.first().first <= xml.lineNumber())) {
    return QStringLiteral("new mode stops reading where ") + normalised.markup.first().second;
  }
  if (!xml.hasError()) return QString();
  const int offset = static_cast<int>(xml.characterOffset());
  const int from = qMax(0, offset - 40);
  const QString context = xhtml.mid(from, offset - from).simplified();
  return QStringLiteral("new mode stops reading the page after \"%1\": %2")
      .arg(context, xml.errorString());
}

}  // namespace

StrictForecast forecastStrictReading(const QByteArray& document, DocumentFormat format,
                                     const QHash<QString, QStringList>& rawQuirks) {
  StrictForecast forecast;
  SerializeFormatter& formatter = formatterFor(format);
  const QString text = decodeAsNewMode(document, formatter);
  QString xhtml;
  if (format == DocumentFormat::Csv) {
    forecast.quirks = rawQuirks;
    QString refusal;
    xhtml = convertCsvToXhtml(text, refusal);
    if (xhtml.isEmpty()) {
      // The conversion gave up on a record and says which.
      forecast.stop =
          QStringLiteral("new mode reads nothing of the document: ") + refusal.trimmed();
      return forecast;
    }
  } else {
    xhtml = formatter.preprocess(text);
    const TolerantReading normalised = readTolerantHtml(xhtml.toUtf8());
    forecast.quirks = normalised.quirks;
    forecast.stop = htmlStop(xhtml, normalised);
  }
  readNormalisedDocument(xhtml, forecast.model);  // its warnings are the main tool's
  return forecast;
}
