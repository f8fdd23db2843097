#include "patch/written_document_reader.h"

#include <array>
#include <cstring>
#include <string>

#include "formats/csv_records.h"
#include "formats/html_formatter.h"
#include "scan/byte_order_mark.h"
#include "scan/cp1251_codec.h"

namespace {

// A read position in the document's bytes.
struct Cursor {
  const char* at;
  const char* end;

  // Steps over `fixed` when the bytes continue with it.
  template <int N>
  bool take(const char (&fixed)[N]) {
    constexpr int size = N - 1;
    if (end - at < size || std::memcmp(at, fixed, size) != 0) return false;
    at += size;
    return true;
  }
  bool atEnd() const { return at == end; }
};

// A control character other than tab and line feed is refused by an XML
// parser, and a carriage return is changed by it.
constexpr bool isRefusedControl(int b) { return b < 0x20 && b != '\t' && b != '\n'; }

// A decimal number of 1 to 18 digits, read as the reader reads a position
// field: as a 64-bit number, then used as an unsigned 32-bit one.
bool takeNumber(Cursor& c, quint32& value) {
  qint64 number = 0;
  int digits = 0;
  while (c.at < c.end && *c.at >= '0' && *c.at <= '9') {
    if (++digits > 18) return false;
    number = number * 10 + (*c.at++ - '0');
  }
  value = static_cast<quint32>(number);
  return digits > 0;
}

// Characters that an XML parser refuses (non-characters, unpaired or paired
// surrogates are not worth telling apart here) or that mark bytes that were
// not UTF-8.
bool holdsRefusedCharacter(const QString& text) {
  for (const QChar c : text) {
    const ushort u = c.unicode();
    if (u >= 0xFFFD || (u >= 0xD800 && u < 0xE000)) return true;
  }
  return false;
}

// Unescapes the three entities the writer makes; false for any other
// ampersand.
bool unescapeEntities(QString& text) {
  if (!text.contains(QLatin1Char('&'))) return true;
  QString plain;
  plain.reserve(text.size());
  for (int at = 0; at < text.size(); ++at) {
    QChar c = text.at(at);
    if (c == QLatin1Char('&')) {
      const QStringRef entity = text.midRef(at, 5);
      if (entity.startsWith(QLatin1String("&amp;"))) {
        at += 4;
      } else if (entity.startsWith(QLatin1String("&lt;"))) {
        c = QLatin1Char('<');
        at += 3;
      } else if (entity.startsWith(QLatin1String("&gt;"))) {
        c = QLatin1Char('>');
        at += 3;
      } else {
        return false;
      }
    }
    plain += c;
  }
  text = plain;
  return true;
}

// What a byte means while a heading's or cell's text is scanned.
enum ByteKind : unsigned char { Plain, Stop, Refused, Ampersand, Equals, High };

constexpr std::array<ByteKind, 256> byteKinds() {
  std::array<ByteKind, 256> kinds{};
  for (int b = 0; b < 0x20; ++b) kinds[b] = isRefusedControl(b) ? Refused : Plain;
  kinds['<'] = Stop;
  kinds['>'] = Refused;
  kinds['&'] = Ampersand;
  kinds['='] = Equals;
  for (int b = 0x80; b < 0x100; ++b) kinds[b] = High;
  return kinds;
}

constexpr std::array<ByteKind, 256> kByteKinds = byteKinds();

bool endsWith(const char* begin, const char* at, const char* fixed, long size) {
  return at - begin >= size && std::memcmp(at - size, fixed, size_t(size)) == 0;
}

// What the scan of an HTML heading's or cell's text found in it.
struct HtmlTextShape {
  bool ascii = true;
  bool entities = false;  ///< it holds entities the writer makes
  bool cleanUp = false;   ///< it holds the fixed text of a clean-up step
};

// Scans the text of an HTML heading or cell: everything up to the next '<',
// where it stops. No clean-up match can reach over the markup around it, so
// the text needs cleaning up on its own when it holds the fixed text of a
// step that can match there ("class=\"", " width=10%", "&nbsp;"). Any other
// ampersand must begin one of the three entities the writer makes.
bool scanHtmlText(Cursor& c, HtmlTextShape& shape) {
  const char* begin = c.at;
  for (;; ++c.at) {
    while (c.at < c.end && kByteKinds[static_cast<unsigned char>(*c.at)] == Plain) ++c.at;
    if (c.at == c.end) return false;
    const ByteKind kind = kByteKinds[static_cast<unsigned char>(*c.at)];
    if (kind == Stop) return true;
    if (kind == Refused) return false;
    if (kind == High) shape.ascii = false;
    if (kind == Equals) {
      Cursor after{c.at + 1, c.end};
      if ((endsWith(begin, c.at, "class", 5) && after.take("\"")) ||
          (endsWith(begin, c.at, " width", 6) && after.take("10%"))) {
        shape.cleanUp = true;
      }
    }
    if (kind == Ampersand) {
      Cursor entity{c.at, c.end};
      if (entity.take("&amp;") || entity.take("&lt;") || entity.take("&gt;")) {
        shape.entities = true;
      } else if (entity.take("&nbsp;")) {
        shape.cleanUp = true;
      } else {
        return false;
      }
    }
  }
}

// The bytes [begin, end) with the writer's three entities decoded, in
// `unescaped`.
void unescapeWritten(const char* begin, const char* end, std::string& unescaped) {
  unescaped.clear();
  for (const char* at = begin; at < end;) {
    const char* amp = static_cast<const char*>(std::memchr(at, '&', size_t(end - at)));
    if (!amp) amp = end;
    unescaped.append(at, size_t(amp - at));
    if (amp == end) break;
    unescaped += amp[1] == 'a' ? '&' : amp[1] == 'l' ? '<' : '>';
    at = amp + (amp[1] == 'a' ? 5 : 4);
  }
}

// The text of an HTML heading or cell, which must end where `closing`
// begins, as the normalising reader would read it. `scratch` is room for
// decoding entities, kept from text to text.
template <int N>
bool takeHtmlText(Cursor& c, const char (&closing)[N], QString& text, std::string& scratch) {
  const char* begin = c.at;
  HtmlTextShape shape;
  if (!scanHtmlText(c, shape)) return false;
  const char* end = c.at;
  if (!c.take(closing)) return false;
  if (shape.cleanUp) {
    text = shape.ascii ? QString::fromLatin1(begin, int(end - begin))
                       : QString::fromUtf8(begin, int(end - begin));
    text = htmlFormatter.preprocess(text);
    if (!unescapeEntities(text)) return false;
    return shape.ascii || !holdsRefusedCharacter(text);
  }
  if (shape.entities) {
    unescapeWritten(begin, end, scratch);
    begin = scratch.data();
    end = begin + scratch.size();
  }
  const int size = static_cast<int>(end - begin);
  if (shape.ascii) {
    text = QString::fromLatin1(begin, size);
    return true;
  }
  text = QString::fromUtf8(begin, size);
  return !holdsRefusedCharacter(text);
}

// Header: the writer's, with the meta element and blanks as they stand.
bool readHtml(Cursor& c, DocumentModel& model) {
  std::string scratch;
  if (!c.take("<!DOCTYPE html>    <html>      <head>        <meta charset=\"utf-8\">"
              "        <title>TADS doc</title>      </head>      <body>")) {
    return false;
  }
  while (c.take("<h1>")) {
    model.append(FileEntry());
    FileEntry& file = model.last();
    if (!takeHtmlText(c, "</h1>", file.name, scratch)) return false;
    while (c.take("<h2>")) {
      file.chunks.append(ChunkEntry());
      ChunkEntry& chunk = file.chunks.last();
      if (!takeHtmlText(c, "</h2>", chunk.name, scratch) ||
          !c.take("<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>")) {
        return false;
      }
      while (c.take("<tr><td>")) {
        LineEntry row;
        if (!takeHtmlText(c, "</td>", row.text, scratch) || !c.take("<td width=10%>")) return false;
        if (c.take("\"")) {
          row.doubleQuoted = true;
        } else if (!c.take("'")) {
          return false;
        }
        if (!c.take("/") || !takeNumber(c, row.lineIndex) || !c.take("/") ||
            !takeNumber(c, row.literalIndex) || !c.take("</td></tr>")) {
          return false;
        }
        chunk.lines.append(row);
      }
      if (!c.take("</tbody></table><p>&nbsp;</p>")) return false;
    }
    if (!c.take("<p>&nbsp;</p><p>&nbsp;</p>")) return false;
  }
  return c.take("</body></html>") && c.atEnd();
}

// The name of a FILE or CHUNK record, up to its line feed: not empty, and
// nothing that the conversion would cut or that would need escaping.
bool takeCsvName(Cursor& c, QString& name) {
  const char* begin = c.at;
  for (; c.at < c.end && *c.at != '\n'; ++c.at) {
    const unsigned char b = static_cast<unsigned char>(*c.at);
    if (b < 0x20 ? b != '\t' : (b == ';' || b == '<' || b == '&' || b == '>')) return false;
  }
  const int size = static_cast<int>(c.at - begin);
  name = decodeCp1251(begin, size);
  return size > 0 && c.take("\n");
}

// A LINE record after `LINE;"`: the text up to the last double quote of the
// line, then ";", the quote flag 0 or 1, ";", line, ";", literal, line feed.
// A row whose text is empty is dropped, as the conversion drops it.
bool takeCsvRow(Cursor& c, QList<LineEntry>& lines) {
  const char* lineEnd = static_cast<const char*>(std::memchr(c.at, '\n', c.end - c.at));
  if (!lineEnd) return false;
  const char* closing = lineEnd;
  while (closing > c.at && *closing != '"') --closing;
  if (*closing != '"') return false;
  const char* begin = c.at;
  for (const char* at = begin; at < closing; ++at) {
    const unsigned char b = static_cast<unsigned char>(*at);
    if (b < 0x20 && b != '\t') return false;
  }
  int size = static_cast<int>(closing - begin);
  const bool empty = size == 0;
  // A text that begins and ends with a double quote loses both in the
  // conversion (a lone one: the row stays, with an empty text).
  if (!empty && begin[0] == '"' && closing[-1] == '"') {
    ++begin;
    size = size > 1 ? size - 2 : 0;
  }
  c.at = closing;
  LineEntry row;
  if (!c.take("\";")) return false;
  if (c.take("1")) {
    row.doubleQuoted = true;
  } else if (!c.take("0")) {
    return false;
  }
  if (!c.take(";") || !takeNumber(c, row.lineIndex) || !c.take(";") ||
      !takeNumber(c, row.literalIndex) || !c.take("\n")) {
    return false;
  }
  if (empty) return true;
  row.text = decodeCp1251(begin, size);
  lines.append(row);
  return true;
}

bool readCsv(Cursor& c, DocumentModel& model) {
  using namespace csvrecord;
  if (!c.take(kTitle)) return false;
  while (c.take(kFile)) {
    model.append(FileEntry());
    FileEntry& file = model.last();
    if (!takeCsvName(c, file.name)) return false;
    while (c.take(kChunk)) {
      file.chunks.append(ChunkEntry());
      ChunkEntry& chunk = file.chunks.last();
      if (!takeCsvName(c, chunk.name)) return false;
      while (c.take(kQuotedLine)) {
        if (!takeCsvRow(c, chunk.lines)) return false;
      }
      if (!c.take(kEndChunk)) return false;
    }
    if (!c.take("\n\n")) return false;
  }
  return c.take("\n") && c.atEnd();
}

}  // namespace

bool readWrittenDocument(const QByteArray& bytes, bool html, DocumentModel& model) {
  if (startsWithByteOrderMark(bytes)) return false;
  Cursor c{bytes.constData(), bytes.constData() + bytes.size()};
  return html ? readHtml(c, model) : readCsv(c, model);
}
