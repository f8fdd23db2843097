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
//                it (position, new value) before it is read.
#include <QBuffer>
#include <QTextStream>

#include "formats/document_writer.h"
#include "formats/serialize_formatter.h"
#include "fuzz_support.h"
#include "patch/document_reader.h"
#include "patch/written_document_reader.h"
#include "scan/cp1251_codec.h"

namespace {

QString& captured() {
  static QString text;
  return text;
}

void captureConsole() {
  static const bool installed = [] {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
      captured() += message;
      captured() += QLatin1Char('\n');
    });
    return true;
  }();
  (void)installed;
}

bool sameModel(const DocumentModel& a, const DocumentModel& b) {
  if (a.size() != b.size()) return false;
  for (int f = 0; f < a.size(); ++f) {
    if (a[f].name != b[f].name || a[f].chunks.size() != b[f].chunks.size()) return false;
    for (int c = 0; c < a[f].chunks.size(); ++c) {
      const ChunkEntry& x = a[f].chunks[c];
      const ChunkEntry& y = b[f].chunks[c];
      if (x.name != y.name || x.lines.size() != y.lines.size()) return false;
      for (int l = 0; l < x.lines.size(); ++l) {
        const LineEntry& p = x.lines[l];
        const LineEntry& q = y.lines[l];
        if (p.text != q.text || p.doubleQuoted != q.doubleQuoted || p.lineIndex != q.lineIndex ||
            p.literalIndex != q.literalIndex) {
          return false;
        }
      }
    }
  }
  return true;
}

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
    model.append(FileEntry{piece(true), {}});
    while (next < pieces.size() && model.last().chunks.size() < 2) {
      model.last().chunks.append(ChunkEntry{piece(true), {}});
      for (int i = 0; i < 3 && next < pieces.size(); ++i) {
        const QString text = piece(false);
        model.last().chunks.last().lines.append(
            LineEntry{text, text.size() % 2 == 0, quint32(text.size() * 7), quint32(i)});
      }
    }
  }
  return model;
}

QByteArray written(const DocumentModel& model) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QTextStream out(&buffer);
  currentFormatter()->setStreamCodec(out);
  out << model;
  out.flush();
  return bytes;
}

// Reads `bytes` through the reader as new mode does (the direct way when it
// applies) or the normalising way only.
DocumentModel read(QByteArray bytes, bool normalisingOnly, QString& console) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QTextStream in(&buffer);
  currentFormatter()->setStreamCodec(in);
  DocumentModel model;
  captured().clear();
  if (normalisingOnly) {
    readNormalisedDocument(currentFormatter()->preprocess(in.readAll()), model);
  } else {
    in >> model;
  }
  console = captured();
  return model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  captureConsole();
  const bool html = data[0] & 1;
  setFormatIndex(html ? 0 : 1);
  QByteArray rest(reinterpret_cast<const char*>(data + 1), int(size - 1));
  QByteArray document = rest;
  bool unchanged = false;
  if (data[0] & 2) {
    const bool mutate = (data[0] & 4) && rest.size() >= 2;
    document = written(modelOf(mutate ? rest.mid(2) : rest));
    if (mutate && !document.isEmpty()) {
      document[int(quint8(rest[0]) * document.size() / 256)] = rest[1];
    } else {
      unchanged = true;
    }
  }
  DocumentModel direct;
  const bool directly = readWrittenDocument(document, html, direct);
  QString newModeLines;
  QString normalisingLines;
  const DocumentModel newMode = read(document, false, newModeLines);
  const DocumentModel normalising = read(document, true, normalisingLines);
  require(sameModel(newMode, normalising), "the same records both ways");
  require(newModeLines == normalisingLines, "the same console lines both ways");
  if (directly) require(sameModel(direct, normalising), "the direct records are the reader's");
  if (unchanged) require(directly, "a written document is read directly");
  return 0;
}
