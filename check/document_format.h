#ifndef BRISVANE_CHECK_DOCUMENT_FORMAT_H
#define BRISVANE_CHECK_DOCUMENT_FORMAT_H

class SerializeFormatter;

/// The two kinds of corrected document.
enum class DocumentFormat { Html, Csv };

/// The library formatter that writes (and normalises) documents of `format`.
SerializeFormatter& formatterFor(DocumentFormat format);

/// "html" or "csv".
const char* formatName(DocumentFormat format);

#endif
