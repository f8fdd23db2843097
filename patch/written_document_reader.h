#ifndef BRISVANE_PATCH_WRITTEN_DOCUMENT_READER_H
#define BRISVANE_PATCH_WRITTEN_DOCUMENT_READER_H

#include <QByteArray>

class QIODevice;

#include "scan/document_model.h"

/// The fast way into the model for a corrected document that is still in
/// exactly the form get mode (or a clean re-write) gives it: the bytes of
/// the file are read directly, without decoding the whole document, without
/// the clean-up or conversion and without an XML parser.
///
/// Reads the document from `device`, `pieceSize` bytes at a time (only the
/// piece being read is held, besides the model): an HTML document in UTF-8 when
/// `html` is true, else a CSV document in code page 1251. Appends its files,
/// chunks and rows to `model`; prints nothing. Returns true only when the
/// whole document is in that form and the normalising reader would therefore
/// read all of it into exactly these records, printing a line per record in
/// model order. Returns false as soon as anything deviates (a byte-order
/// mark, other markup, entities other than those the writer makes,
/// characters that an XML parser would refuse or change); `model` then holds
/// a part of the document and the caller reads the document the normalising
/// way instead, from its start.
bool readWrittenDocument(QIODevice& device, bool html, DocumentModel& model,
                         int pieceSize = 1 << 20);

/// readWrittenDocument of a document held in memory.
bool readWrittenDocument(const QByteArray& bytes, bool html, DocumentModel& model);

#endif
