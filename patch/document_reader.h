#ifndef BRISVANE_PATCH_DOCUMENT_READER_H
#define BRISVANE_PATCH_DOCUMENT_READER_H

#include <QList>
#include <QString>

#include "scan/document_model.h"

class QTextStream;
class SerializeFormatter;

/// Whether the reader saves the normalised document as "temp_preproc.html"
/// in the working directory. Set once from the command line before reading.
extern bool preprocessLogging;

/// Reads a corrected document: clears `model`, reads the whole stream (its
/// codec already set), lets `formatter` normalise it to XHTML and takes "h1"
/// (file), "h2" (chunk) and "tr" (text and Q/L/N options) elements from it,
/// printing a line for each. Stops quietly at the first XML error.
void readDocument(QTextStream& in, DocumentModel& model, SerializeFormatter& formatter);

/// readDocument with the current formatter; nothing when none is selected.
QTextStream& operator>>(QTextStream& in, DocumentModel& model);

/// A warning of the reader, placed among the lines of the records it read.
struct ReaderWarning {
  int recordsBefore = 0;  ///< headings and rows read before it
  QString line;
};

/// Reads an already normalised document into `model`, which starts empty.
/// Returns its warnings; it prints nothing.
QList<ReaderWarning> readNormalisedDocument(QString xhtml, DocumentModel& model);

/// The lines new mode prints for what it read: "File name: ", "Chunk name: "
/// and "ln: " for each record of `model` in order, the warnings in their
/// places.
void printReaderLines(const DocumentModel& model, const QList<ReaderWarning>& warnings);

#endif
