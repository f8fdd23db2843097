#include "po/tads_text_rules.h"

#include <QHash>

namespace {

/// The pieces of `text` that `reading` tells apart, `parts` its `<<...>>`
/// parts. Parameters and tags are the library's: no TADS 2 escape hides one.
QVector<TextPiece> piecesOf(const QString& text, const QVector<TextSpan>& parts, unsigned reading) {
  return textPieces(text, parts, TadsDialect::Tads3, reading);
}

/// What is wrong with `escape`, an escape of `text` that the compiler of
/// `dialect` does not define, in a translator's words.
QString escapeProblem(const QString& text, const TextPiece& escape, TadsDialect dialect) {
  const QChar c = text[escape.begin + 1];
  if (dialect == TadsDialect::Tads2) {
    return QStringLiteral(
               "\\%1 is not an escape TADS 2 knows: the player would see \"%1\"; "
               "write \\\\ for a backslash the player sees, or remove the backslash")
        .arg(c);
  }
  if (c == QLatin1Char('u') || c == QLatin1Char('x')) {
    return QStringLiteral(
               "\\%1 needs %2 hexadecimal digits after it (%3); write \\\\%1 for the "
               "characters \\%1")
        .arg(c)
        .arg(c == QLatin1Char('u') ? QStringLiteral("one to four") : QStringLiteral("one or two"))
        .arg(c == QLatin1Char('u') ? QStringLiteral("\\u0451 is \u0451")
                                   : QStringLiteral("\\x41 is A"));
  }
  return QStringLiteral(
             "\\%1 is not an escape TADS knows: the player would see \"\\%1\"; write \\\\ for "
             "a backslash the player sees, or remove the backslash")
      .arg(c);
}

/// The `{...}` parameters of `text`, as written; `{{` is a brace.
QStringList parametersOf(const QString& text, const QVector<TextSpan>& parts) {
  QStringList found;
  for (const TextPiece& piece : piecesOf(text, parts, kReadParameters)) {
    if (piece.kind == PieceKind::Parameter) found << text.mid(piece.begin, piece.end - piece.begin);
  }
  return found;
}

/// The parameter name and target of the inside of `{...}`, as the library's
/// message builder splits them: `id`, `id obj`, `id1/id2 obj`, `id1 obj/id2`.
void splitParameter(const QString& inside, QString& name, QString& object) {
  const QString lower = inside.toLower().trimmed();
  const int space = lower.indexOf(QLatin1Char(' '));
  object.clear();
  if (space < 0) {
    name = lower;
    return;
  }
  const QString first = lower.left(space);
  QString rest = lower.mid(space + 1).trimmed();
  const int slash = rest.indexOf(QLatin1Char('/'));
  if (slash >= 0 && !first.contains(QLatin1Char('/'))) {
    name = first + rest.mid(slash);
    object = rest.left(slash);
  } else {
    name = first;
    object = rest;
  }
}

bool libraryDefines(const QString& inside, const MessageParameters& library,
                    const QSet<QString>& objects) {
  QString name;
  QString object;
  splitParameter(inside, name, object);
  const int slash = name.indexOf(QLatin1Char('/'));
  const QString reversed =
      slash < 0 ? name : name.mid(slash + 1) + QLatin1Char('/') + name.left(slash);
  const bool named = library.names.contains(name) || library.names.contains(reversed) ||
                     (object.isEmpty() && objects.contains(name));
  return named && (object.isEmpty() || objects.contains(object));
}

struct Tag {
  QString name;  ///< lower case, with a leading '.' for the library's own tags
  bool closing = false;
  QString closer;  ///< a closing tag as written, to its name: "</q", "<./parser"
};

QVector<Tag> tagsOf(const QString& text, const QVector<TextSpan>& parts) {
  QVector<Tag> tags;
  for (const TextPiece& piece : piecesOf(text, parts, kReadTags)) {
    if (piece.kind != PieceKind::Tag) continue;
    // <name>, </name>, the library's <.name> and its closing form <./name>
    int k = piece.begin + 1;
    const int nameBegin = k;
    while (k < piece.end && (text[k] == QLatin1Char('/') || text[k] == QLatin1Char('.'))) ++k;
    Tag tag;
    tag.closing = text.midRef(nameBegin, k - nameBegin).contains(QLatin1Char('/'));
    while (k < piece.end && (text[k].isLetterOrNumber() || text[k] == QLatin1Char('_') ||
                             text[k] == QLatin1Char('-'))) {
      ++k;
    }
    tag.name = text.mid(nameBegin, k - nameBegin).remove(QLatin1Char('/')).toLower();
    tag.closer = text.mid(piece.begin, k - piece.begin);
    tags.append(tag);
  }
  return tags;
}

/// Per tag name: how many of its tags stay unmatched, opening and closing.
QHash<QString, QPair<int, int>> unmatchedTags(const QVector<Tag>& tags, const QStringList& names) {
  QHash<QString, QPair<int, int>> open;
  for (const QString& name : names) open.insert(name, {0, 0});
  for (const Tag& tag : tags) {
    if (!names.contains(tag.name)) continue;
    QPair<int, int>& count = open[tag.name];
    if (!tag.closing) {
      ++count.first;
    } else if (count.first > 0) {
      --count.first;
    } else {
      ++count.second;
    }
  }
  return open;
}

}  // namespace

QString checkEscapes(const QString& body, const QVector<TextSpan>& parts, TadsDialect dialect) {
  for (const TextPiece& piece : textPieces(body, parts, dialect, 0)) {
    if (piece.kind == PieceKind::Escape && !piece.defined)
      return escapeProblem(body, piece, dialect);
  }
  return QString();
}

QString checkMessageParameters(const QString& body, const QVector<TextSpan>& parts,
                               const QString& msgid, const QVector<TextSpan>& msgidParts,
                               const MessageParameters& library, TadsDialect dialect) {
  if (dialect == TadsDialect::Tads2) return QString();
  QStringList own = parametersOf(msgid, msgidParts);
  if (!library.defined() && own.isEmpty()) return QString();
  QSet<QString> lowerOwn;
  QSet<QString> objects = library.objects;
  for (const QString& parameter : own) {
    lowerOwn.insert(parameter.toLower());
    QString name;
    QString object;
    splitParameter(parameter.mid(1, parameter.size() - 2), name, object);
    if (!object.isEmpty()) objects.insert(object);
  }
  for (const QString& parameter : parametersOf(body, parts)) {
    if (lowerOwn.contains(parameter.toLower())) continue;
    if (library.defined() &&
        libraryDefines(parameter.mid(1, parameter.size() - 2), library, objects)) {
      continue;
    }
    QString keep;
    if (!own.isEmpty()) {
      keep = QStringLiteral("keep the msgid's %1 as written").arg(own.join(QLatin1Char(' ')));
    } else {
      keep = QStringLiteral("remove it, or write {{ for a brace the player sees");
    }
    return QStringLiteral(
               "%1 is not a message parameter of the msgid%2: the player would see it in "
               "braces; %3")
        .arg(parameter,
             library.defined() ? QStringLiteral(" or the library")
                               : QStringLiteral(" (--lib-dir names a library that defines more)"),
             keep);
  }
  return QString();
}

QString checkMarkupTags(const QString& body, const QVector<TextSpan>& parts, const QString& msgid,
                        const QVector<TextSpan>& msgidParts) {
  const QVector<Tag> before = tagsOf(msgid, msgidParts);
  QStringList paired;  // in the order the msgid first closes them
  QStringList closers;
  for (const Tag& tag : before) {
    if (!tag.closing || paired.contains(tag.name)) continue;
    paired << tag.name;
    closers << tag.closer;
  }
  const auto expected = unmatchedTags(before, paired);
  const auto found = unmatchedTags(tagsOf(body, parts), paired);
  for (int i = 0; i < paired.size(); ++i) {
    if (found.value(paired[i]) == expected.value(paired[i])) continue;
    return QStringLiteral(
               "the tags <%1> and %2> are not opened and closed as in the msgid; keep each "
               "<%1> with its %2> as the msgid has them")
        .arg(paired[i], closers[i]);
  }
  return QString();
}
