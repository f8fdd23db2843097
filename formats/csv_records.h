#ifndef BRISVANE_FORMATS_CSV_RECORDS_H
#define BRISVANE_FORMATS_CSV_RECORDS_H

#include <QString>

/// The fixed texts of the CSV document: its title line, then one record a
/// line, each its name, ";" and its fields (FILE;name, CHUNK;name,
/// LINE;"text";quote;line;literal), END CHUNK alone. Shared by its writer and
/// its three readers.
namespace csvrecord {
constexpr char kTitle[] = "CSV file with TADS Source\n";
constexpr char kFile[] = "FILE;";
constexpr char kChunk[] = "CHUNK;";
constexpr char kLine[] = "LINE;";
constexpr char kQuotedLine[] = "LINE;\"";  ///< as get mode writes it: the text in quotes
constexpr char kEndChunk[] = "END CHUNK\n";

/// A fixed text above, as it stands.
template <int N>
constexpr QLatin1String textOf(const char (&fixed)[N]) {
  return QLatin1String(fixed, N - 1);
}

/// The record name of a record's start (kFile, kChunk, kLine, kEndChunk):
/// without its separator or line end.
template <int N>
constexpr QLatin1String nameOf(const char (&start)[N]) {
  return QLatin1String(start, N - 2);
}
}  // namespace csvrecord

#endif
