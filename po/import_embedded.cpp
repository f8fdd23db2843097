#include "po/import_embedded.h"

#include <functional>

namespace {

using Decode = std::function<QString(const QByteArray&)>;

/// One `<<...>>` part: where it stands, its text with every inner literal's
/// body taken out (what must stay as the source has it), and the texts of
/// its inner literals.
struct Part {
  int begin = 0;
  int end = 0;
  QString skeleton;
  QStringList innerTexts;
  bool used = false;
};

/// The parts of `literal` (offsets into `bytes`), each with the literals of
/// `all` one level deeper that open inside it.
QVector<Part> partsOf(const QByteArray& bytes, const TadsLiteral& literal,
                      const QVector<TadsLiteral>& all, const Decode& decode) {
  QVector<Part> parts;
  for (const EmbeddedPart& embedded : literal.embedded) {
    Part part;
    part.begin = embedded.begin;
    part.end = embedded.end;
    int copied = embedded.begin;
    for (const TadsLiteral& inner : all) {
      if (inner.depth != literal.depth + 1 || inner.begin < embedded.begin ||
          inner.end > embedded.end) {
        continue;
      }
      part.skeleton += decode(bytes.mid(copied, inner.bodyBegin - copied));
      part.innerTexts.append(decode(inner.text));
      copied = inner.bodyEnd;
    }
    part.skeleton += decode(bytes.mid(copied, embedded.end - copied));
    parts.append(part);
  }
  return parts;
}

}  // namespace

EmbeddedSplit splitEmbeddedTranslations(const QString& translation, const SourceFile& file,
                                        const QVector<TadsLiteral>& literals, int index,
                                        TadsDialect dialect) {
  EmbeddedSplit split;
  split.outer = translation;
  const TadsLiteral& literal = literals[index];
  if (literal.embedded.isEmpty()) return split;

  // The translation read back as the same kind of literal, in UTF-8.
  const QByteArray open = file.bytes.mid(literal.begin, literal.bodyBegin - literal.begin);
  const QByteArray close = file.bytes.mid(literal.bodyEnd, literal.end - literal.bodyEnd);
  const QByteArray bytes = open + translation.toUtf8() + close;
  const LexResult lexed = lexTads(bytes, dialect);
  if (!lexed.problems.isEmpty() || lexed.literals.isEmpty() ||
      lexed.literals.first().end != bytes.size()) {
    return split;
  }
  const Decode fromUtf8 = [](const QByteArray& b) { return QString::fromUtf8(b); };
  const Decode fromFile = [&file](const QByteArray& b) { return decodeIn(file, b); };
  const QVector<Part> translated = partsOf(bytes, lexed.literals.first(), lexed.literals, fromUtf8);
  QVector<Part> source = partsOf(file.bytes, literal, literals, fromFile);
  if (translated.size() != source.size()) return split;

  // Each part goes back to the unused source part of the same skeleton.
  QString outer;
  int copied = open.size();
  for (const Part& part : translated) {
    QString text = QString::fromUtf8(bytes.mid(part.begin, part.end - part.begin));
    for (Part& original : source) {
      if (original.used || original.skeleton != part.skeleton ||
          original.innerTexts.size() != part.innerTexts.size()) {
        continue;
      }
      for (int i = 0; i < part.innerTexts.size(); ++i) {
        if (original.innerTexts[i] != part.innerTexts[i]) {
          split.inner.append(qMakePair(original.innerTexts[i], part.innerTexts[i]));
        }
      }
      text = fromFile(file.bytes.mid(original.begin, original.end - original.begin));
      original.used = true;
      break;
    }
    outer += QString::fromUtf8(bytes.mid(copied, part.begin - copied)) + text;
    copied = part.end;
  }
  outer += QString::fromUtf8(bytes.mid(copied, bytes.size() - close.size() - copied));
  split.outer = outer;
  return split;
}
