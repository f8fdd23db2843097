#include "po/literal_renderer.h"

#include <QTextCodec>

#include "po/collapse_layout.h"
#include "po/translation_check.h"

namespace {

const int kUtf8Mib = 106;

bool beyondAscii(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 128) return true;
  }
  return false;
}

/// One pass over one file: which literals take which translation, then the
/// bytes with those bodies replaced.
class FileRenderer {
 public:
  FileRenderer(const SourceFile& file, const LexResult& lexed, const RenderSettings& settings)
      : file_(file), literals_(lexed.literals), settings_(settings) {
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

  void decide(const QString& path, RenderedFile& result) {
    QVector<int> accepted;
    QVector<const Translation*> translations(literals_.size(), nullptr);
    for (int i = 0; i < literals_.size(); ++i) {
      const TadsLiteral& literal = literals_[i];
      const QString text = decodeIn(file_, literal.text);
      const Translation* translation = settings_.table->find(literal.definition, text);
      if (!translation || translation->text == text) continue;
      LiteralShape shape{literal.quote,     literal.depth, literal.spacing, {},
                         settings_.dialect, text};
      for (const EmbeddedPart& part : literal.embedded) shape.parts << source(part.begin, part.end);
      checked_[i] = checkTranslation(translation->text, shape, *settings_.parameters);
      translations[i] = translation;
      accepted.append(i);
    }
    utf8_ = writesUtf8(accepted);
    for (int i : accepted) {
      CheckedTranslation& checked = checked_[i];
      if (checked.ok && !utf8_ && !canHold(file_, checked.body)) {
        checked.ok = false;
        checked.reason = charsetReason();
      }
      if (!checked.ok) {
        const TadsLiteral& literal = literals_[i];
        result.refusals.append({QStringLiteral("%1:%2").arg(path).arg(literal.line),
                                decodeIn(file_, literal.text), checked.reason,
                                translations[i]->line});
        checked = CheckedTranslation();
        continue;
      }
      changed_[i] = true;
      ++result.applied;
    }
    for (int i = literals_.size() - 1; i >= 0; --i) {
      if (changed_[i] && parent_[i] >= 0) changed_[parent_[i]] = true;
    }
  }

  /// The line naming the character sets, when the file changes its own.
  QString charsetNote(const QString& path) const {
    if (!utf8_) return QString();
    const QString read =
        file_.origin == CharsetOrigin::Default ? QStringLiteral("it declares none: --from-charset")
        : file_.origin == CharsetOrigin::CharsetLine ? QStringLiteral("its #charset line")
                                                     : QStringLiteral("its byte-order mark");
    if (settings_.dialect == TadsDialect::Tads2) {
      if (file_.codec->mibEnum() == kUtf8Mib) return QString();
      return QStringLiteral("%1: read in %2 (--from-charset), written in UTF-8")
          .arg(path, file_.charsetName);
    }
    if (file_.origin == CharsetOrigin::Default) {
      return QStringLiteral("%1: read in %2 (%3), written in UTF-8 with a byte-order mark")
          .arg(path, file_.charsetName, read);
    }
    if (file_.codec->mibEnum() == kUtf8Mib) return QString();
    return QStringLiteral("%1: read in %2 (%3), written in UTF-8 (its #charset line says utf-8)")
        .arg(path, file_.charsetName, read);
  }

  bool anyChanged() const { return changed_.contains(true); }

 private:
  /// Whether the file is written in UTF-8, given the literals whose
  /// translations passed their checks.
  bool writesUtf8(const QVector<int>& accepted) const {
    if (accepted.isEmpty()) return false;
    switch (settings_.target) {
      case PoConfig::TargetCharset::Utf8:
        return true;
      case PoConfig::TargetCharset::Source:
        return false;
      case PoConfig::TargetCharset::Auto:
        break;
    }
    // TADS 2 has no #charset line: every file stays in the one character set.
    if (settings_.dialect == TadsDialect::Tads2) return false;
    for (int i : accepted) {
      const CheckedTranslation& checked = checked_[i];
      if (!checked.ok) continue;
      if (!canHold(file_, checked.body)) return true;
      if (file_.origin == CharsetOrigin::Default && beyondAscii(checked.body)) return true;
    }
    return false;
  }

  QString charsetReason() const {
    if (settings_.dialect == TadsDialect::Tads2) {
      return QStringLiteral(
                 "the character set %1 of the game's texts (--from-charset) cannot hold the "
                 "translation; --to-charset=utf-8 writes its file in UTF-8")
          .arg(file_.charsetName);
    }
    return QStringLiteral(
               "the file's character set %1 cannot hold the translation; apply without "
               "--to-charset=source to write the file in UTF-8")
        .arg(file_.charsetName);
  }

 public:
  QByteArray render() {
    QByteArray out;
    out.reserve(file_.bytes.size() + file_.bytes.size() / 4);
    int from = 0;
    const bool recode = utf8_ && file_.codec->mibEnum() != kUtf8Mib;
    if (utf8_ && file_.origin == CharsetOrigin::CharsetLine && recode) {
      out += file_.bytes.left(file_.nameBegin) + "utf-8";
      from = file_.nameEnd;
    } else if (utf8_ && file_.origin == CharsetOrigin::Default &&
               settings_.dialect == TadsDialect::Tads3) {  // the TADS 2 compiler takes no mark
      out += "\xEF\xBB\xBF";
    }
    for (int i = 0; i < literals_.size(); ++i) {
      if (parent_[i] >= 0 || !changed_[i]) continue;
      const TadsLiteral& literal = literals_[i];
      out += sourceBytes(from, literal.bodyBegin, recode);
      out += utf8_ ? renderBody(i).toUtf8() : encodeIn(file_, renderBody(i));
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
    if (checked_[index].body.isNull())
      return renderRegion(index, literal.bodyBegin, literal.bodyEnd);
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
    if (literal.spacing != NewlineSpacing::Collapse || literal.lastLine == literal.line)
      return body;
    const int lineStart = file_.bytes.lastIndexOf('\n', literal.bodyBegin - 1) + 1;
    int lineEnd = file_.bytes.indexOf('\n', literal.bodyEnd);
    if (lineEnd < 0) lineEnd = file_.bytes.size();
    const QString around = source(lineStart, lineEnd);
    const int bodyBegin = source(lineStart, literal.bodyBegin).size();
    const int bodyEnd = source(lineStart, literal.bodyEnd).size();
    return wrapToSourceLines(body, spans, measureSourceFrame(around, bodyBegin, bodyEnd));
  }

  const SourceFile& file_;
  const QVector<TadsLiteral>& literals_;
  const RenderSettings& settings_;
  bool utf8_ = false;  ///< the file is written in UTF-8
  QVector<int> parent_;
  QVector<QVector<int>> children_;
  QVector<bool> changed_;
  QVector<CheckedTranslation> checked_;
};

}  // namespace

RenderedFile renderFile(const SourceFile& file, const LexResult& lexed,
                        const RenderSettings& settings, const QString& relativePath) {
  RenderedFile result;
  FileRenderer renderer(file, lexed, settings);
  renderer.decide(relativePath, result);
  result.changed = renderer.anyChanged();
  result.bytes = result.changed ? renderer.render() : file.bytes;
  if (result.changed) result.charsetNote = renderer.charsetNote(relativePath);
  return result;
}
