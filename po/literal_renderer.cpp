#include "po/literal_renderer.h"

#include <QTextCodec>

#include "po/collapse_layout.h"
#include "po/translation_check.h"

namespace {

const int kUtf8Mib = 106;

/// One pass over one file: which literals take which translation, then the
/// bytes with those bodies replaced.
class FileRenderer {
 public:
  FileRenderer(const SourceFile& file, const LexResult& lexed, bool toUtf8)
      : file_(file), literals_(lexed.literals), toUtf8_(toUtf8) {
    const int count = literals_.size();
    parent_.fill(-1, count);
    children_.resize(count);
    changed_.fill(false, count);
    checked_.resize(count);
    QVector<int> open;
    for (int i = 0; i < count; ++i) {
      while (!open.isEmpty() && literals_[open.last()].end <= literals_[i].begin) open.removeLast();
      if (!open.isEmpty()) {
        parent_[i] = open.last();
        children_[open.last()].append(i);
      }
      open.append(i);
    }
  }

  void decide(const TranslationTable& table, const QString& path, RenderedFile& result) {
    for (int i = 0; i < literals_.size(); ++i) {
      const TadsLiteral& literal = literals_[i];
      const QString text = decodeIn(file_, literal.text);
      const QString* translation = table.find(literal.definition, text);
      if (!translation || *translation == text) continue;
      LiteralShape shape{literal.quote, literal.depth, literal.spacing, {}};
      for (const EmbeddedPart& part : literal.embedded) shape.parts << source(part.begin, part.end);
      CheckedTranslation checked = checkTranslation(*translation, shape);
      if (checked.ok && !toUtf8_ && !canHold(file_, checked.body)) {
        checked.ok = false;
        checked.reason = QStringLiteral("the file's character set %1 cannot hold the translation "
                                        "(--to-charset=utf-8 writes it in UTF-8)")
                             .arg(file_.charsetName);
      }
      const QString place = QStringLiteral("%1:%2").arg(path).arg(literal.line);
      if (!checked.ok) {
        result.refusals.append({place, text, checked.reason});
        continue;
      }
      checked_[i] = checked;
      changed_[i] = true;
      ++result.applied;
    }
    for (int i = literals_.size() - 1; i >= 0; --i) {
      if (changed_[i] && parent_[i] >= 0) changed_[parent_[i]] = true;
    }
  }

  bool anyChanged() const { return changed_.contains(true); }

  QByteArray render() {
    QByteArray out;
    out.reserve(file_.bytes.size() + file_.bytes.size() / 4);
    int from = 0;
    const bool recode = toUtf8_ && file_.codec->mibEnum() != kUtf8Mib;
    if (toUtf8_ && file_.origin == CharsetOrigin::CharsetLine && recode) {
      out += file_.bytes.left(file_.nameBegin) + "utf-8";
      from = file_.nameEnd;
    } else if (toUtf8_ && file_.origin == CharsetOrigin::Default) {
      out += "\xEF\xBB\xBF";
    }
    for (int i = 0; i < literals_.size(); ++i) {
      if (parent_[i] >= 0 || !changed_[i]) continue;
      const TadsLiteral& literal = literals_[i];
      out += sourceBytes(from, literal.bodyBegin, recode);
      out += toUtf8_ ? renderBody(i).toUtf8() : encodeIn(file_, renderBody(i));
      from = literal.bodyEnd;
    }
    out += sourceBytes(from, file_.bytes.size(), recode);
    return out;
  }

 private:
  QString source(int begin, int end) const {
    return decodeIn(file_, file_.bytes.mid(begin, end - begin));
  }

  QByteArray sourceBytes(int begin, int end, bool recode) const {
    const QByteArray bytes = file_.bytes.mid(begin, end - begin);
    return recode ? decodeIn(file_, bytes).toUtf8() : bytes;
  }

  /// The source text of [begin, end) with the bodies of changed literals
  /// nested in literal `owner` replaced.
  QString renderRegion(int owner, int begin, int end) {
    QString text;
    int from = begin;
    for (int child : children_[owner]) {
      const TadsLiteral& literal = literals_[child];
      if (!changed_[child] || literal.begin < begin || literal.end > end) continue;
      text += source(from, literal.bodyBegin) + renderBody(child);
      from = literal.bodyEnd;
    }
    return text + source(from, end);
  }

  QString renderBody(int index) {
    const TadsLiteral& literal = literals_[index];
    if (checked_[index].body.isNull()) return renderRegion(index, literal.bodyBegin, literal.bodyEnd);
    const CheckedTranslation& checked = checked_[index];
    QString body;
    QVector<TextSpan> spans;
    QVector<bool> used(literal.embedded.size(), false);
    int from = 0;
    for (const TextSpan& part : checked.parts) {
      body += checked.body.midRef(from, part.begin - from);
      const QString partText = checked.body.mid(part.begin, part.end - part.begin);
      QString rendered = partText;
      for (int p = 0; p < literal.embedded.size(); ++p) {
        const EmbeddedPart& sourcePart = literal.embedded[p];
        if (used[p] || source(sourcePart.begin, sourcePart.end) != partText) continue;
        used[p] = true;
        rendered = renderRegion(index, sourcePart.begin, sourcePart.end);
        break;
      }
      spans.append({body.size(), body.size() + rendered.size()});
      body += rendered;
      from = part.end;
    }
    body += checked.body.midRef(from);
    if (literal.spacing != NewlineSpacing::Collapse || literal.lastLine == literal.line) return body;
    const int lineStart = file_.bytes.lastIndexOf('\n', literal.bodyBegin - 1) + 1;
    int lineEnd = file_.bytes.indexOf('\n', literal.bodyEnd);
    if (lineEnd < 0) lineEnd = file_.bytes.size();
    const QString around = source(lineStart, lineEnd);
    const int bodyBegin = source(lineStart, literal.bodyBegin).size();
    const int bodyEnd = source(lineStart, literal.bodyEnd).size();
    return layOut(body, spans, frameOf(around, bodyBegin, bodyEnd));
  }

  const SourceFile& file_;
  const QVector<TadsLiteral>& literals_;
  bool toUtf8_;
  QVector<int> parent_;
  QVector<QVector<int>> children_;
  QVector<bool> changed_;
  QVector<CheckedTranslation> checked_;
};

}  // namespace

RenderedFile renderFile(const SourceFile& file, const LexResult& lexed,
                        const TranslationTable& table, bool toUtf8, const QString& relativePath) {
  RenderedFile result;
  FileRenderer renderer(file, lexed, toUtf8);
  renderer.decide(table, relativePath, result);
  result.changed = renderer.anyChanged();
  result.bytes = result.changed ? renderer.render() : file.bytes;
  return result;
}
