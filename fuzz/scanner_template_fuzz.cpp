// Get mode's literal extraction and new mode's line template on any line:
// both see the same literals, both give up on a line that ends inside one,
// and putting the extracted texts back into the template's placeholders
// rebuilds the line. Read as a whole file, the input is also patched from
// its bytes and as text, which must agree.
#include <algorithm>

#include "fuzz_support.h"
#include "patch/line_patcher.h"
#include "reference_paths.h"
#include "scan/literal_scanner.h"

namespace {

bool isQuote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

// Escaped quotes never delimit: a quote right behind a backslash is text.
int nextDelimiter(const QString& line, int from) {
  for (int i = from; i < line.size(); ++i) {
    if (isQuote(line[i]) && (i == 0 || line[i - 1] != QLatin1Char('\\'))) return i;
  }
  return -1;
}

// Escaped quotes of a double-quoted literal travel as entities; turning them
// back is exact only when the line had no entity text of its own.
QString sourceForm(QString text, bool doubleQuoted) {
  if (!doubleQuoted) return text;
  text.replace(QLatin1String("&quot;"), QLatin1String("\\\""));
  text.replace(QLatin1String("&apos;"), QLatin1String("\\'"));
  return text;
}

// The bytes, read as a code page 1251 file, patched from their bytes and
// through their decoded lines, with rows made from the file's own literals
// (texts changed; by the first byte: in reverse order, one row repeated,
// one dropped): the same copy, the same number of console lines.
void checkCopyPatcher(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
  const QString text = decodeCp1251(bytes.constData(), bytes.size());
  const QStringList sourceLines = text.split(QLatin1Char('\n'));
  QList<LineEntry> rows;
  QStringList warnings;
  for (int i = 0; i < sourceLines.size(); ++i) {
    for (LineEntry entry : extractLineLiterals(sourceLines[i], quint32(i), warnings)) {
      entry.text = entry.text.isEmpty() ? QStringLiteral("\u0416") : entry.text + entry.text;
      rows.append(entry);
    }
  }
  const uint8_t shape = size > 0 ? data[0] : 0;
  if (shape & 1) std::reverse(rows.begin(), rows.end());
  if ((shape & 2) && !rows.isEmpty()) rows.append(rows[shape % rows.size()]);
  if ((shape & 4) && !rows.isEmpty()) rows.removeAt(shape % rows.size());
  const FileEntry file = reference::fileOf(QStringLiteral("f"), {{QStringLiteral("c"), rows}});

  bool encoded = false;
  QStringList byteWarnings;
  QStringList textWarnings;
  const QByteArray copy = reference::patchedFromBytes(bytes, file, encoded, byteWarnings);
  require(copy == reference::patchedAsText(bytes, file, textWarnings),
          "the copy patched from bytes is the copy patched as text");
  require(byteWarnings == textWarnings, "both ways warn alike");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  silenceConsole();
  checkCopyPatcher(data, size);
  const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
  const qint32 lineIndex = qint32(size);

  QStringList warnings;
  const QList<LineEntry> entries = extractLineLiterals(line, quint32(lineIndex), warnings);
  const int extractWarnings = warnings.size();
  warnings.clear();
  const QString lineTemplate = makeLineTemplate(line, warnings);
  const int templateWarnings = warnings.size();
  const ScannedLine scanned = scanLine(line);

  require(extractWarnings == templateWarnings, "both sides warn on the same lines");
  require(extractWarnings == (scanned.unterminated ? 1 : 0), "one warning per open line");
  if (scanned.unterminated) {
    require(entries.isEmpty() && lineTemplate.isEmpty(), "an open line gives nothing");
    return 0;
  }
  require(entries.size() == scanned.literals.size(), "one entry per literal");
  require(lineTemplate.isEmpty() == line.isEmpty(), "a closed line has a template");

  // Walk the template's literals left to right: each holds exactly its own
  // placeholder, between quotes of the kind the entry reports; fill each
  // with the entry's text in source form.
  const bool reversible =
      !line.contains(QLatin1String("&quot;")) && !line.contains(QLatin1String("&apos;"));
  QString rebuilt;
  int from = 0;
  for (int i = 0; i < entries.size(); ++i) {
    const LineEntry& entry = entries[i];
    require(entry.literalIndex == quint32(i) && entry.lineIndex == quint32(lineIndex),
            "entries number their literals from 0 and carry the line index");
    const int open = nextDelimiter(lineTemplate, from);
    require(open >= 0, "the template holds every literal");
    const QString placeholder = placeholderFor(quint32(i));
    const int close = open + 1 + placeholder.size();
    require(lineTemplate.midRef(open + 1, placeholder.size()) == placeholder,
            "literal i holds placeholder i");
    require(close < lineTemplate.size() && lineTemplate[close] == lineTemplate[open],
            "the placeholder fills the literal up to its closing quote");
    require(entry.doubleQuoted == (lineTemplate[open] == QLatin1Char('"')),
            "the entry's quote kind is the literal's");
    rebuilt += lineTemplate.midRef(from, open + 1 - from);
    rebuilt += sourceForm(entry.text, entry.doubleQuoted);
    rebuilt += lineTemplate[close];
    from = close + 1;
  }
  require(nextDelimiter(lineTemplate, from) < 0, "the template holds no further literal");
  rebuilt += lineTemplate.midRef(from);

  // Marker text typed into the source reads as the escaped quote it stands for.
  QString expected = line;
  expected.replace(QLatin1String("<DQUOTE>"), QLatin1String("\\\""));
  expected.replace(QLatin1String("<SQUOTE>"), QLatin1String("\\'"));
  if (reversible) require(rebuilt == expected, "filling the template rebuilds the line");
  return 0;
}
