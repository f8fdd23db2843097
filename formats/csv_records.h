#ifndef BRISVANE_FORMATS_CSV_RECORDS_H
#define BRISVANE_FORMATS_CSV_RECORDS_H

/// The words of the CSV document: its title line, then one record a line,
/// each its word, ";" and its fields (FILE;name, CHUNK;name,
/// LINE;"text";quote;line;literal), END CHUNK alone. Shared by its writer and
/// its three readers.
namespace csvrecord {
constexpr char kTitle[] = "CSV file with TADS Source";
constexpr char kFile[] = "FILE";
constexpr char kChunk[] = "CHUNK";
constexpr char kLine[] = "LINE";
constexpr char kEndChunk[] = "END CHUNK";
}  // namespace csvrecord

#endif
