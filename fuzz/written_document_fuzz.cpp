// New mode's reading of a corrected document, held to the normalising way:
// decoding the whole text, the clean-up or conversion, then the XML reader.
// A document still in the form get mode writes is read directly from its
// bytes instead; both must give the same records and the same console lines,
// and the direct way must be taken on every unchanged written document.
//
// The first byte chooses the format (bit 0: HTML) and the input's shape:
//   bit 1 clear: the rest is the document itself;
//   bit 1 set:   the rest makes a model (texts and names separated by 0x01,
//                in code page 1251), which the writer turns into a document;
//                with bit 2 set, the next two bytes then change one byte of
//                it (position, new value) before it is read;
//   bits 3 to 7: the size of the pieces in which the direct way reads the
//                document a second time (1 to 32 bytes), to the same end.
#include "fuzz_support.h"
#include "patch/written_document_reader.h"
#include "reference_paths.h"

namespace {

// Keeps to what get mode can write and the direct way takes: no control
// characters, names without separators or markup and never empty.
QString sanitised(QString text, bool name) {
  for (QChar& c : text) {
    if (c.unicode() < 0x20 && c != QLatin1Char('\t')) c = '.';
    if (name && QStringLiteral(";<&>").contains(c)) c = '.';
  }
  if (name && text.isEmpty()) text = QStringLiteral("n");
  return text;
}

// A model of up to two files from the pieces of `data`: names and texts
// taken in turn, quote kinds and positions from their lengths.
DocumentModel modelOf(const QByteArray& data) {
  const QList<QByteArray> pieces = data.split('\x01');
  DocumentModel model;
  int next = 0;
  auto piece = [&](bool name) {
    const QByteArray& bytes = pieces[next++];
    return sanitised(decodeCp1251(bytes.constData(), bytes.size()), name);
  };
  while (next < pieces.size() && model.size() < 2) {
    model.append(FileEntry());
    FileEntry& file = model.last();
    file.name = piece(true);
    while (next < pieces.size() && file.chunks.size() < 2) {
      file.appendChunk(piece(true));
      for (int i = 0; i < 3 && next < pieces.size(); ++i) {
        const QString text = piece(false);
        file.appendRow(LineEntry{text, text.size() % 2 == 0, quint32(text.size() * 7), quint32(i)});
      }
    }
  }
  return model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  silenceConsole();
  const bool html = data[0] & 1;
  const DocumentFormat format = html ? DocumentFormat::Html : DocumentFormat::Csv;
  QByteArray rest(reinterpret_cast<const char*>(data + 1), int(size - 1));
  QByteArray document = rest;
  bool unchanged = false;
  if (data[0] & 2) {
    const bool mutate = (data[0] & 4) && rest.size() >= 2;
    document = writeDocument(modelOf(mutate ? rest.mid(2) : rest), format);
    if (mutate && !document.isEmpty()) {
      document[int(quint8(rest[0]) * document.size() / 256)] = rest[1];
    } else {
      unchanged = true;
    }
  }
  DocumentModel direct;
  const bool directly = readWrittenDocument(document, html, direct);
  QBuffer buffer(&document);
  buffer.open(QIODevice::ReadOnly);
  DocumentModel pieced;
  require(readWrittenDocument(buffer, html, pieced, 1 + (data[0] >> 3)) == directly,
          "read in pieces, the document is read directly or not as read whole");
  if (directly)
    require(reference::described(pieced) == reference::described(direct),
            "read in pieces, the records are those read whole");
  const QString normalising = reference::readBack(format, document, true);
  require(reference::readBack(format, document, false) == normalising,
          "the same records and console lines both ways");
  if (directly) {
    require(normalising.startsWith(reference::described(direct) + "--\n"),
            "the direct records are the reader's");
  }
  if (unchanged) require(directly, "a written document is read directly");
  return 0;
}
