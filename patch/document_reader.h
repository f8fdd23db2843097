#ifndef BRISVANE_PATCH_DOCUMENT_READER_H
#define BRISVANE_PATCH_DOCUMENT_READER_H

#include "scan/document_model.h"

class QTextStream;

/// Whether the reader saves the normalised document as "temp_preproc.html"
/// in the working directory. Set once from the command line before reading.
extern bool preprocessLogging;

/// Reads a corrected document: clears `model`, reads the whole stream (its
/// codec already set), lets the current formatter normalise it to XHTML and
/// takes "h1" (file), "h2" (chunk) and "tr" (text and Q/L/N options) elements
/// from it, printing a line for each. Stops quietly at the first XML error.
/// Does nothing when no formatter is selected.
QTextStream& operator>>(QTextStream& in, DocumentModel& model);

/// Reads an already normalised document into `model` (appending).
void readNormalisedDocument(QString xhtml, DocumentModel& model);

#endif
