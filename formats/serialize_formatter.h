#ifndef BRISVANE_FORMATS_SERIALIZE_FORMATTER_H
#define BRISVANE_FORMATS_SERIALIZE_FORMATTER_H

#include <QString>

class QTextStream;

/// One document format, both directions: the writing operations that get
/// mode calls in document order, and `preprocess`, which turns a corrected
/// document of the format into the XHTML that the reader parses.
/// Implementations are stateless; the two static instances live for the
/// whole process and are never deleted through this interface.
class SerializeFormatter {
 public:
  /// Sets the stream's text codec to the format's encoding.
  virtual void setStreamCodec(QTextStream& stream) = 0;
  virtual void writeHeader(QTextStream& out) = 0;
  virtual void writeFileStart(QTextStream& out, QStringView name) = 0;
  virtual void writeChunkStart(QTextStream& out, QStringView name) = 0;
  virtual void writeLine(QTextStream& out, QStringView text, bool doubleQuoted,
                         unsigned int lineIndex, unsigned int literalIndex) = 0;
  virtual void writeChunkEnd(QTextStream& out, QStringView name) = 0;
  virtual void writeFileEnd(QTextStream& out, QStringView name) = 0;
  virtual void writeFooter(QTextStream& out) = 0;
  /// The whole corrected document rewritten as XHTML for the reader.
  virtual QString preprocess(QString document) = 0;

 protected:
  ~SerializeFormatter() = default;
};

/// The process-wide format index: 0 selects HTML, 1 (the start value) CSV,
/// anything else no format.
extern int formatIndex;

/// Stores `index` as the format index, unchecked.
void setFormatIndex(int index);

/// The formatter that the format index selects, or null.
SerializeFormatter* currentFormatter();

#endif
