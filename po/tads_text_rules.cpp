#include "po/tads_text_rules.h"

#include <QHash>
#include <cctype>

namespace {

/// The index of the part that holds `at`, or -1.
int partAt(int at, const QVector<TextSpan>& parts) {
  for (int i = 0; i < parts.size(); ++i) {
    if (at >= parts[i].begin && at < parts[i].end) return i;
  }
  return -1;
}

/// Calls `visit(at)` for every character of `text` outside `parts` and
/// escapes, handing escapes (`at` at the backslash) to `escape(at)`, which
/// returns how many characters the escape takes.
template <typename Visit, typename Escape>
void walkText(const QString& text, const QVector<TextSpan>& parts, Visit visit, Escape escape) {
  for (int at = 0; at < text.size();) {
    const int part = partAt(at, parts);
    if (part >= 0) {
      at = parts[part].end;
    } else if (text[at] == QLatin1Char('\\')) {
      at += qMax(1, escape(at));
    } else {
      visit(at);
      ++at;
    }
  }
}

bool isHexDigit(QChar c) { return c.unicode() < 128 && std::isxdigit(c.unicode()); }

int hexDigitsAt(const QString& text, int at, int most) {
  int count = 0;
  while (count < most && at + count < text.size() && isHexDigit(text[at + count])) ++count;
  return count;
}

/// The escapes both compilers define by one character after the backslash:
/// quotes, backslash, `<` and `>`, a kept space, line break, tab, blank line,
/// capital and small next letter.
bool isCommonEscape(QChar c) { return QStringLiteral("\"'\\<> ntb^v").contains(c); }

/// What is wrong with the escape at `at` of `text` in `dialect`, or empty;
/// `length` gets the characters it takes.
QString escapeProblem(const QString& text, int at, TadsDialect dialect, int& length) {
  length = 2;
  if (at + 1 >= text.size()) return QString();  // a lone backslash is refused before
  const QChar c = text[at + 1];
  if (isCommonEscape(c)) return QString();
  if (dialect == TadsDialect::Tads2) {
    if (c == QLatin1Char('(') || c == QLatin1Char(')')) return QString();
    if (c == QLatin1Char('H') && at + 2 < text.size() &&
        (text[at + 2] == QLatin1Char('+') || text[at + 2] == QLatin1Char('-'))) {
      length = 3;
      return QString();
    }
    if (c == QLatin1Char('-') && at + 3 < text.size()) {
      length = 4;  // the next two characters go to the output as they are
      return QString();
    }
    return QStringLiteral(
               "\\%1 is not an escape TADS 2 knows: the player would see \"%1\"; "
               "write \\\\ for a backslash the player sees, or remove the backslash")
        .arg(c);
  }
  if (c == QLatin1Char('r')) return QString();
  if (c >= QLatin1Char('0') && c <= QLatin1Char('7')) {
    while (length < 4 && at + length < text.size() && text[at + length] >= QLatin1Char('0') &&
           text[at + length] <= QLatin1Char('7')) {
      ++length;
    }
    return QString();
  }
  if (c == QLatin1Char('u') || c == QLatin1Char('x')) {
    const int most = c == QLatin1Char('u') ? 4 : 2;
    const int digits = hexDigitsAt(text, at + 2, most);
    length = 2 + digits;
    if (digits > 0) return QString();
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

/// The spans of `parts` (the source's `<<...>>` parts, in order) in `text`.
QVector<TextSpan> spansOfParts(const QString& text, const QStringList& parts) {
  QVector<TextSpan> spans;
  int from = 0;
  for (const QString& part : parts) {
    const int at = text.indexOf(part, from);
    if (at < 0) break;
    spans.append({at, at + int(part.size())});
    from = at + part.size();
  }
  return spans;
}

/// The `{...}` parameters of `text`, as written; `{{` is a brace.
QStringList parametersOf(const QString& text, const QVector<TextSpan>& parts) {
  QStringList found;
  int skipUntil = -1;
  walkText(
      text, parts,
      [&](int at) {
        if (at < skipUntil || text[at] != QLatin1Char('{')) return;
        if (at + 1 < text.size() && text[at + 1] == QLatin1Char('{')) {
          skipUntil = at + 2;
          return;
        }
        const int close = text.indexOf(QLatin1Char('}'), at + 1);
        if (close < 0) return;
        found << text.mid(at, close - at + 1);
        skipUntil = close + 1;
      },
      [](int) { return 2; });
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
};

QVector<Tag> tagsOf(const QString& text, const QVector<TextSpan>& parts) {
  QVector<Tag> tags;
  int skipUntil = -1;
  walkText(
      text, parts,
      [&](int at) {
        if (at < skipUntil || text[at] != QLatin1Char('<')) return;
        int k = at + 1;
        Tag tag;
        if (k < text.size() && text[k] == QLatin1Char('/')) {
          tag.closing = true;
          ++k;
        }
        const int nameBegin = k;
        if (k < text.size() && text[k] == QLatin1Char('.')) ++k;
        if (k >= text.size() || !text[k].isLetter()) return;
        while (k < text.size() && (text[k].isLetterOrNumber() || text[k] == QLatin1Char('_') ||
                                   text[k] == QLatin1Char('-'))) {
          ++k;
        }
        const int close = text.indexOf(QLatin1Char('>'), k);
        const int reopen = text.indexOf(QLatin1Char('<'), k);
        if (close < 0 || (reopen >= 0 && reopen < close)) return;
        tag.name = text.mid(nameBegin, k - nameBegin).toLower();
        tags.append(tag);
        skipUntil = close + 1;
      },
      [](int) { return 2; });
  return tags;
}

/// Per tag name: how many of its tags stay unmatched, opening and closing.
QHash<QString, QPair<int, int>> unmatchedTags(const QVector<Tag>& tags,
                                              const QSet<QString>& names) {
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
  QString problem;
  walkText(
      body, parts, [](int) {},
      [&](int at) {
        int length = 2;
        const QString found = escapeProblem(body, at, dialect, length);
        if (problem.isEmpty()) problem = found;
        return length;
      });
  return problem;
}

QString checkMessageParameters(const QString& body, const QVector<TextSpan>& parts,
                               const QString& msgid, const QStringList& msgidParts,
                               const MessageParameters& library, TadsDialect dialect) {
  if (dialect == TadsDialect::Tads2) return QString();
  QStringList own = parametersOf(msgid, spansOfParts(msgid, msgidParts));
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
                        const QStringList& msgidParts) {
  const QVector<Tag> before = tagsOf(msgid, spansOfParts(msgid, msgidParts));
  QSet<QString> paired;
  for (const Tag& tag : before) {
    if (tag.closing) paired.insert(tag.name);
  }
  if (paired.isEmpty()) return QString();
  const auto expected = unmatchedTags(before, paired);
  const auto found = unmatchedTags(tagsOf(body, parts), paired);
  for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
    if (found.value(it.key()) == it.value()) continue;
    return QStringLiteral(
               "the tags <%1> and </%1> are not opened and closed as in the msgid; keep each "
               "<%1> with its </%1> as the msgid has them")
        .arg(it.key());
  }
  return QString();
}
