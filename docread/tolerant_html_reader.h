#ifndef BRISVANE_DOCREAD_TOLERANT_HTML_READER_H
#define BRISVANE_DOCREAD_TOLERANT_HTML_READER_H

#include <QByteArray>
#include <QString>

#include "docread/tolerant_reading.h"

/// Reads a corrected HTML page (UTF-8) with a real HTML parser, as a browser
/// would: "h1" and "h2" headings and table rows wherever an editor put them,
/// whatever their case or attributes; a row's first two cells give its text
/// and its "Q/L/N" position; markup inside cells is dropped, every named
/// entity decoded, and layout white space collapsed. Each row's quirks say
/// what in it the main tool's reader would stumble on.
TolerantReading readTolerantHtml(const QByteArray& bytes);

/// Collapses the white space an editor lays out around and inside a text:
/// a run of white space that holds a line break or a tab becomes one space,
/// or nothing at the text's edges. Runs of plain spaces stay as typed.
QString collapseLayoutWhiteSpace(const QString& text);

#endif
