#include "patch/written_document_reader.h"

#include <QIODevice>
#include <array>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "formats/csv_records.h"
#include "formats/html_formatter.h"
#include "scan/byte_order_mark.h"
#include "scan/cp1251_codec.h"

namespace {

// A read position in the bytes of the document read so far.
struct Cursor {
  const char* at;
  const char* end;
  bool more;  ///< the document goes on beyond `end`

  // Steps over `fixed` when the bytes continue with it.
  template <int N>
  bool take(const char (&fixed)[N]) {
    constexpr int size = N - 1;
    if (end - at < size || std::memcmp(at, fixed, size) != 0) return false;
    at += size;
    return true;
  }
  bool atEnd() const { return at == end && !more; }
};

// The bytes of the document, read a piece at a time: only the record being
// read and the rest of its piece are held, not the whole document.
class Window {
 public:
  Window(QIODevice& device, int pieceSize) : device_(&device), pieceSize_(pieceSize) {}
  explicit Window(const QByteArray& bytes) : bytes_(bytes), more_(false) {}

  Cursor cursorAt(int offset) const {
    return Cursor{bytes_.constData() + offset, bytes_.constData() + bytes_.size(), more_};
  }
  int offsetOf(const char* at) const { return int(at - bytes_.constData()); }

  // Drops the bytes before `keep` and reads more: a piece, or as much as
  // is kept when that is more, so a record longer than a piece is read in
  // a few steps. False when the end of the document was reached before.
  bool refill(int keep) {
    if (!more_) return false;
    bytes_.remove(0, keep);
    const int held = bytes_.size();
    const int wanted = held > pieceSize_ ? held : pieceSize_;
    bytes_.resize(held + wanted);
    const qint64 got = device_->read(bytes_.data() + held, wanted);
    bytes_.resize(held + int(got > 0 ? got : 0));
    more_ = got > 0;
    return true;
  }

  bool startsWithByteOrderMark() {
    while (bytes_.size() < 4 && refill(0)) {
    }
    return ::startsWithByteOrderMark(bytes_);
  }

 private:
  QIODevice* device_ = nullptr;
  int pieceSize_ = 0;
  QByteArray bytes_;
  bool more_ = true;
};

// What one step of reading did.
enum class Step {
  Read,      ///< took one record
  Finished,  ///< took the end of the document
  Failed     ///< found something other than the written form, or the bytes
             ///< read so far end inside the record
};

// Runs `step` record by record. A failed step is tried again on more of the
// document until the document ends: a step changes nothing before it
// succeeds, so a record that the piece read cut short reads as it would
// from the whole document.
template <typename StepFunction>
bool readRecords(Window& window, StepFunction step) {
  Cursor c = window.cursorAt(0);
  for (;;) {
    const char* start = c.at;
    const Step outcome = step(c);
    if (outcome == Step::Finished) return true;
    if (outcome == Step::Read) continue;
    const int keep = window.offsetOf(start);
    if (!window.refill(keep)) return false;
    c = window.cursorAt(0);
  }
}

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

// The quote kind and position of a row.
struct RowPosition {
  bool doubleQuoted = false;
  quint32 line = 0;
  quint32 literal = 0;
};

// The quote flag, then line and literal after a separator each, then the
// row's end, in the spellings of the document's form.
template <int D, int S, int P, int E>
bool takePosition(Cursor& c, const char (&doubleMark)[D], const char (&singleMark)[S],
                  const char (&separator)[P], const char (&rowEnd)[E], RowPosition& position) {
  if (c.take(doubleMark)) {
    position.doubleQuoted = true;
  } else if (!c.take(singleMark)) {
    return false;
  }
  return c.take(separator) && takeNumber(c, position.line) && c.take(separator) &&
         takeNumber(c, position.literal) && c.take(rowEnd);
}

// Characters that an XML parser refuses (non-characters, unpaired or paired
// surrogates are not worth telling apart here) or that mark bytes that were
// not UTF-8.
bool holdsRefusedCharacter(QStringView text) {
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

// The text of an HTML heading or cell as it stands in the bytes, and what
// its scan found in it.
struct HtmlText {
  const char* begin = nullptr;
  const char* end = nullptr;
  bool ascii = true;
  bool entities = false;  ///< it holds entities the writer makes
  bool cleanUp = false;   ///< it holds the fixed text of a clean-up step
};

// The next byte from `at` that is neither plain nor above ASCII (`ascii`
// turns false when one above ASCII was passed), sixteen bytes at a time.
// Tabs and line feeds may stop it too.
const char* nextMarkupByte(const char* at, const char* end, bool& ascii) {
#ifdef __SSE2__
  const __m128i less = _mm_set1_epi8('<');
  const __m128i greater = _mm_set1_epi8('>');
  const __m128i ampersand = _mm_set1_epi8('&');
  const __m128i equals = _mm_set1_epi8('=');
  const __m128i blank = _mm_set1_epi8(0x20);
  for (; end - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const unsigned high = unsigned(_mm_movemask_epi8(bytes));
    const __m128i found = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, less), _mm_cmpeq_epi8(bytes, greater)),
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, ampersand), _mm_cmpeq_epi8(bytes, equals)),
                     _mm_cmplt_epi8(bytes, blank)));
    // A signed comparison takes the bytes above ASCII for controls.
    const unsigned mask = unsigned(_mm_movemask_epi8(found)) & ~high;
    if (mask) {
      const int k = __builtin_ctz(mask);
      if (high & ((1u << k) - 1)) ascii = false;
      return at + k;
    }
    if (high) ascii = false;
  }
#endif
  for (; at < end; ++at) {
    const ByteKind kind = kByteKinds[static_cast<unsigned char>(*at)];
    if (kind == High) {
      ascii = false;
    } else if (kind != Plain) {
      break;
    }
  }
  return at;
}

// Scans the text of an HTML heading or cell: everything up to the next '<',
// where it stops. No clean-up match can reach over the markup around it, so
// the text needs cleaning up on its own when it holds the fixed text of a
// step that can match there ("class=\"", " width=10%", "&nbsp;"). Any other
// ampersand must begin one of the three entities the writer makes.
bool scanHtmlText(Cursor& c, HtmlText& text) {
  text.begin = c.at;
  for (;; ++c.at) {
    c.at = nextMarkupByte(c.at, c.end, text.ascii);
    if (c.at == c.end) return false;
    const ByteKind kind = kByteKinds[static_cast<unsigned char>(*c.at)];
    if (kind == Stop) break;
    if (kind == Refused) return false;
    if (kind == Equals) {
      Cursor after{c.at + 1, c.end, c.more};
      if ((endsWith(text.begin, c.at, "class", 5) && after.take("\"")) ||
          (endsWith(text.begin, c.at, " width", 6) && after.take("10%"))) {
        text.cleanUp = true;
      }
    }
    if (kind == Ampersand) {
      Cursor entity{c.at, c.end, c.more};
      if (entity.take("&amp;") || entity.take("&lt;") || entity.take("&gt;")) {
        text.entities = true;
      } else if (entity.take("&nbsp;")) {
        text.cleanUp = true;
      } else {
        return false;
      }
    }
  }
  text.end = c.at;
  return true;
}

// Decodes UTF-8 that holds only characters an XML parser keeps as they are
// (below U+FFFD, no surrogate) and the writer's three entities into `out`
// (room for as many characters as bytes); returns the characters' count.
// -1 for anything else, and for a text that begins with U+FEFF, which a
// UTF-8 decoder takes for a byte-order mark: the text then goes the
// normalising way.
int decodeUtf8(const char* begin, const char* end, bool entities, char16_t* out) {
  char16_t* o = out;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(begin);
  const unsigned char* const stop = reinterpret_cast<const unsigned char*>(end);
  while (in < stop) {
#ifdef __SSE2__
    if (stop - in >= 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
      if (!_mm_movemask_epi8(bytes) &&
          (!entities || !_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('&'))))) {
        const __m128i zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8), _mm_unpackhi_epi8(bytes, zero));
        in += 16;
        o += 16;
        continue;
      }
    }
#endif
    // Character by character through these sixteen bytes at least.
    for (const unsigned char* const upTo = in + 16; in < stop && in < upTo;) {
      const unsigned b = *in;
      if (b < 0x80) {
        if (b == '&') {
          // One of &amp; &lt; &gt;, as the scan found.
          *o++ = in[1] == 'a' ? u'&' : in[1] == 'l' ? u'<' : u'>';
          in += in[1] == 'a' ? 5 : 4;
        } else {
          *o++ = char16_t(b);
          ++in;
        }
      } else if (b >= 0xC2 && b < 0xE0 && stop - in >= 2 && (in[1] & 0xC0) == 0x80) {
        // A word of Cyrillic is a run of such pairs.
        do {
          *o++ = char16_t(((in[0] & 0x1F) << 6) | (in[1] & 0x3F));
          in += 2;
        } while (stop - in >= 2 && in[0] >= 0xC2 && in[0] < 0xE0 && (in[1] & 0xC0) == 0x80);
      } else if (b >= 0xE0 && b < 0xF0 && stop - in >= 3 && (in[1] & 0xC0) == 0x80 &&
                 (in[2] & 0xC0) == 0x80) {
        const unsigned u = ((b & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F);
        if (u < 0x800 || (u >= 0xD800 && u < 0xE000) || u >= 0xFFFD) return -1;
        if (u == 0xFEFF && o == out) return -1;
        *o++ = char16_t(u);
        in += 3;
      } else {
        return -1;
      }
    }
  }
  return int(o - out);
}

// Appends the text of an HTML heading or cell, as the normalising reader
// would read it, to `out`; `scratch` is room for decoding, kept from text to
// text. False when that reader could read it otherwise.
bool appendHtmlText(const HtmlText& text, QString& out, std::vector<char16_t>& scratch) {
  const int size = int(text.end - text.begin);
  if (text.cleanUp) {
    // A UTF-8 decoder drops a leading U+FEFF, which the XML parser keeps.
    if (size >= 3 && std::memcmp(text.begin, "\xEF\xBB\xBF", 3) == 0) return false;
    QString clean =
        text.ascii ? QString::fromLatin1(text.begin, size) : QString::fromUtf8(text.begin, size);
    clean = htmlFormatter.preprocess(clean);
    if (!unescapeEntities(clean) || (!text.ascii && holdsRefusedCharacter(clean))) return false;
    out += clean;
    return true;
  }
  if (text.ascii && !text.entities) {
    out += QLatin1String(text.begin, size);
    return true;
  }
  if (scratch.size() < size_t(size)) scratch.resize(size_t(size));
  const int decoded = decodeUtf8(text.begin, text.end, text.entities, scratch.data());
  if (decoded < 0) return false;
  out.append(reinterpret_cast<const QChar*>(scratch.data()), decoded);
  return true;
}

// What both forms' steps share: where in the document they are, and the
// model they fill.
class WrittenSteps {
 protected:
  enum class State { Start, Document, File, Chunk };

  explicit WrittenSteps(DocumentModel& model) : model_(model) {}

  // A step that takes a fixed text and goes on in state `next`.
  Step enter(bool taken, State next) {
    if (!taken) return Step::Failed;
    state_ = next;
    return Step::Read;
  }

  // A file heading read whole: the file before is complete.
  Step openFile(const QString& name) {
    if (!model_.isEmpty()) model_.last().squeeze();
    model_.append(FileEntry());
    model_.last().name = name;
    return enter(true, State::File);
  }

  DocumentModel& model_;
  State state_ = State::Start;
};

// The HTML page as the writer writes it: the header with the meta element
// and blanks as they stand, a heading per file and chunk, a row per literal.
class HtmlSteps : WrittenSteps {
 public:
  explicit HtmlSteps(DocumentModel& model) : WrittenSteps(model) {}

  Step operator()(Cursor& c) {
    switch (state_) {
      case State::Start:
        return enter(c.take("<!DOCTYPE html>    <html>      <head>        <meta charset=\"utf-8\">"
                            "        <title>TADS doc</title>      </head>      <body>"),
                     State::Document);
      case State::Document:
        if (c.take("<h1>")) return takeFile(c);
        return c.take("</body></html>") && c.atEnd() ? Step::Finished : Step::Failed;
      case State::File:
        if (c.take("<h2>")) return takeChunk(c);
        return enter(c.take("<p>&nbsp;</p><p>&nbsp;</p>"), State::Document);
      case State::Chunk:
        if (c.take("<tr><td>")) return takeRow(c);
        return enter(c.take("</tbody></table><p>&nbsp;</p>"), State::File);
    }
    return Step::Failed;
  }

 private:
  Step takeFile(Cursor& c) {
    HtmlText text;
    QString name;
    if (!scanHtmlText(c, text) || !c.take("</h1>") || !appendHtmlText(text, name, scratch_)) {
      return Step::Failed;
    }
    return openFile(name);
  }

  Step takeChunk(Cursor& c) {
    HtmlText text;
    if (!scanHtmlText(c, text) || !c.take("</h2>") ||
        !c.take("<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\"><tbody>")) {
      return Step::Failed;
    }
    FileEntry& file = model_.last();
    const int at = file.texts.size();
    if (!appendHtmlText(text, file.texts, scratch_)) return Step::Failed;
    file.appendChunk(TextPlace{at, file.texts.size() - at});
    return enter(true, State::Chunk);
  }

  Step takeRow(Cursor& c) {
    HtmlText text;
    RowPosition position;
    if (!scanHtmlText(c, text) || !c.take("</td><td width=10%>") ||
        !takePosition(c, "\"", "'", "/", "</td></tr>", position)) {
      return Step::Failed;
    }
    FileEntry& file = model_.last();
    const int at = file.texts.size();
    if (!appendHtmlText(text, file.texts, scratch_)) return Step::Failed;
    file.appendRow(TextPlace{at, file.texts.size() - at}, position.doubleQuoted, position.line,
                   position.literal);
    return Step::Read;
  }

  std::vector<char16_t> scratch_;
};

// True when [at, end) holds a control character other than a tab, sixteen
// bytes at a time.
bool holdsControlBesidesTab(const char* at, const char* end) {
#ifdef __SSE2__
  const __m128i blank = _mm_set1_epi8(0x20);
  const __m128i tab = _mm_set1_epi8('\t');
  for (; end - at >= 16; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    // A signed comparison takes the bytes above ASCII for controls.
    const int below = _mm_movemask_epi8(_mm_cmplt_epi8(bytes, blank));
    const int tabs = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, tab));
    if (below & ~_mm_movemask_epi8(bytes) & ~tabs) return true;
  }
#endif
  for (; at < end; ++at) {
    const unsigned char b = static_cast<unsigned char>(*at);
    if (b < 0x20 && b != '\t') return true;
  }
  return false;
}

// The name of a FILE or CHUNK record, up to its line feed: not empty, and
// nothing that the conversion would cut or that would need escaping.
bool takeCsvName(Cursor& c, const char*& begin, int& size) {
  begin = c.at;
  for (; c.at < c.end && *c.at != '\n'; ++c.at) {
    const unsigned char b = static_cast<unsigned char>(*c.at);
    if (b < 0x20 ? b != '\t' : (b == ';' || b == '<' || b == '&' || b == '>')) return false;
  }
  size = static_cast<int>(c.at - begin);
  return size > 0 && c.take("\n");
}

// The CSV document as the writer writes it: the title line, then one record
// a line.
class CsvSteps : WrittenSteps {
 public:
  explicit CsvSteps(DocumentModel& model) : WrittenSteps(model) {}

  Step operator()(Cursor& c) {
    using namespace csvrecord;
    switch (state_) {
      case State::Start:
        return enter(c.take(kTitle), State::Document);
      case State::Document:
        if (c.take(kFile)) return takeFile(c);
        return c.take("\n") && c.atEnd() ? Step::Finished : Step::Failed;
      case State::File:
        if (c.take(kChunk)) return takeChunk(c);
        return enter(c.take("\n\n"), State::Document);
      case State::Chunk:
        if (c.take(kQuotedLine)) return takeRow(c);
        return enter(c.take(kEndChunk), State::File);
    }
    return Step::Failed;
  }

 private:
  Step takeFile(Cursor& c) {
    const char* begin;
    int size;
    if (!takeCsvName(c, begin, size)) return Step::Failed;
    return openFile(decodeCp1251(begin, size));
  }

  Step takeChunk(Cursor& c) {
    const char* begin;
    int size;
    if (!takeCsvName(c, begin, size)) return Step::Failed;
    FileEntry& file = model_.last();
    const TextPlace name{file.texts.size(), size};
    appendDecodedCp1251(begin, size, file.texts);
    file.appendChunk(name);
    return enter(true, State::Chunk);
  }

  // A LINE record after `LINE;"`: the text up to the last double quote of
  // the line, then ";", the quote flag 0 or 1, ";", line, ";", literal, line
  // feed. A row whose text is empty is dropped, as the conversion drops it.
  Step takeRow(Cursor& c) {
    const char* lineEnd = static_cast<const char*>(std::memchr(c.at, '\n', size_t(c.end - c.at)));
    if (!lineEnd) return Step::Failed;
    const char* closing = lineEnd;
    while (closing > c.at && *closing != '"') --closing;
    if (*closing != '"') return Step::Failed;
    const char* begin = c.at;
    if (holdsControlBesidesTab(begin, closing)) return Step::Failed;
    int size = static_cast<int>(closing - begin);
    const bool empty = size == 0;
    // A text that begins and ends with a double quote loses both in the
    // conversion (a lone one: the row stays, with an empty text).
    if (!empty && begin[0] == '"' && closing[-1] == '"') {
      ++begin;
      size = size > 1 ? size - 2 : 0;
    }
    c.at = closing;
    RowPosition position;
    if (!c.take("\";") || !takePosition(c, "1", "0", ";", "\n", position)) return Step::Failed;
    if (empty) return Step::Read;
    FileEntry& file = model_.last();
    const TextPlace text{file.texts.size(), size};
    appendDecodedCp1251(begin, size, file.texts);
    file.appendRow(text, position.doubleQuoted, position.line, position.literal);
    return Step::Read;
  }
};

bool readWritten(Window& window, bool html, DocumentModel& model) {
  if (window.startsWithByteOrderMark()) return false;
  const bool read =
      html ? readRecords(window, HtmlSteps(model)) : readRecords(window, CsvSteps(model));
  if (read && !model.isEmpty()) model.last().squeeze();
  return read;
}

}  // namespace

bool readWrittenDocument(QIODevice& device, bool html, DocumentModel& model, int pieceSize) {
  Window window(device, pieceSize);
  return readWritten(window, html, model);
}

bool readWrittenDocument(const QByteArray& bytes, bool html, DocumentModel& model) {
  Window window(bytes);
  return readWritten(window, html, model);
}
