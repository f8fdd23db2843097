#include "po/play_report.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

namespace {

struct Kind {
  StretchSource source;
  const char* name;  ///< the class of its stretches in the page
  const char* label;
  const char* colour;
};

const Kind kKinds[] = {
    {StretchSource::Translated, "translated", "translated entry", "#c8f0c8"},
    {StretchSource::Untranslated, "untranslated", "untranslated or fuzzy entry", "#ffd0d0"},
    {StretchSource::ChangesTheGame, "changes-game", "entry that changes the game", "#ffe08a"},
    {StretchSource::NoEntry, "no-entry", "no entry", "#dcdcdc"},
};

const Kind& kindOf(StretchSource source) {
  for (const Kind& kind : kKinds) {
    if (kind.source == source) return kind;
  }
  return kKinds[3];
}

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

QString classNote(const EntryClass& found) {
  switch (found.kind) {
    case EntryClass::Kind::Shown:
      return QStringLiteral("shown in play after \"%1\"")
          .arg(found.command.isEmpty() ? QStringLiteral("(start)") : found.command);
    case EntryClass::Kind::ChangesTheGame:
      return QStringLiteral("changing it changes the game (%1): %2").arg(found.how, found.detail);
    case EntryClass::Kind::NotReached:
      break;
  }
  return QStringLiteral("not reached in play");
}

// Counts the stretches of each kind in the page as the browser reads it and
// marks the page with the outcome, so that what the counts say can be
// checked against what is shown; the boxes hide and show a kind's colour.
const char kScript[] = R"(
(function () {
  var problems = [];
  document.querySelectorAll('#counts tr[data-kind]').forEach(function (row) {
    var kind = row.getAttribute('data-kind');
    var found = document.querySelectorAll('#transcript .' + kind).length;
    row.querySelector('output').textContent = found;
    if (String(found) !== row.getAttribute('data-stretches')) problems.push(kind);
    row.querySelector('input').addEventListener('change', function (e) {
      document.getElementById('transcript').classList.toggle('hide-' + kind, !e.target.checked);
    });
  });
  document.querySelectorAll('#transcript .stretch').forEach(function (s) {
    var kinds = ['translated', 'untranslated', 'changes-game', 'no-entry'].filter(function (k) {
      return s.classList.contains(k);
    });
    if (kinds.length !== 1) problems.push('a stretch of ' + kinds.length + ' kinds');
  });
  document.body.setAttribute('data-check', problems.length ? problems.join(' ') : 'ok');
})();
)";

}  // namespace

bool writePlayReport(const QString& path, const PlayProject& project, const PlaySession& session,
                     const PlayedTexts& played, bool translated, QString& error) {
  const QString& text = played.transcript.text();
  QHash<int, int> stretches;   // by kind
  QHash<int, int> characters;  // by kind, non-blank
  int total = 0;
  for (const Stretch& stretch : played.stretches) {
    if (stretch.source == StretchSource::Input) continue;
    int count = 0;
    for (int at = stretch.begin; at < stretch.end; ++at) count += text[at].isSpace() ? 0 : 1;
    stretches[int(stretch.source)] += 1;
    characters[int(stretch.source)] += count;
    total += count;
  }
  QString page;
  page += QStringLiteral(
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>brisvane-po play: where the texts of the game come from</title>\n<style>\n"
      "body { font-family: sans-serif; margin: 1em 2em; }\n"
      "#transcript { font-family: monospace; white-space: pre-wrap; line-height: 1.6; }\n"
      ".stretch { color: inherit; text-decoration: none; border-radius: 2px; }\n"
      ".input { color: #555; font-weight: bold; }\n"
      "td, th { padding: 2px 8px; text-align: left; vertical-align: top; }\n"
      "#entries code { white-space: pre-wrap; }\n");
  for (const Kind& kind : kKinds) {
    page += QStringLiteral(
                ".%1, tr.%1 td:first-child { background: %2; }\n"
                "#transcript.hide-%1 .%1 { background: none; }\n")
                .arg(QLatin1String(kind.name), QLatin1String(kind.colour));
  }
  page += QStringLiteral("</style>\n</head>\n<body>\n<h1>What the player reads</h1>\n<p>");
  page += translated
              ? QStringLiteral("The translated copy, played with the commands of the run.")
              : QStringLiteral("The game as it stands, played with the commands of the run.");
  page += QStringLiteral(
              " %1 non-blank characters, the commands left out.</p>\n"
              "<table id=\"counts\">\n<tr><th>from</th><th>stretches</th>"
              "<th>characters</th><th>shown</th></tr>\n")
              .arg(total);
  for (const Kind& kind : kKinds) {
    const int key = int(kind.source);
    page += QStringLiteral(
                "<tr class=\"%1\" data-kind=\"%1\" data-stretches=\"%2\"><td><label>"
                "<input type=\"checkbox\" checked> %3</label></td><td>%2 (<output></output> "
                "in the page)</td><td>%4</td><td>%5%</td></tr>\n")
                .arg(QLatin1String(kind.name))
                .arg(stretches.value(key))
                .arg(QLatin1String(kind.label))
                .arg(characters.value(key))
                .arg(total ? QString::number(100.0 * characters.value(key) / total, 'f', 1)
                           : QStringLiteral("0"));
  }
  page += QStringLiteral("</table>\n");
  if (played.untracedFrom >= 0) {
    page += QStringLiteral(
                "<p>From line %1 on, the copy with tagged texts played differently: "
                "what follows is shown as from no entry.</p>\n")
                .arg(played.transcript.lineOf(played.untracedFrom) + 1);
  }
  page += QStringLiteral("<div id=\"transcript\">");
  QSet<int> linked;
  int from = 0;
  for (const Stretch& stretch : played.stretches) {
    page += escaped(text.mid(from, stretch.begin - from));
    const QString piece = escaped(text.mid(stretch.begin, stretch.end - stretch.begin));
    from = stretch.end;
    if (stretch.source == StretchSource::Input) {
      page += QStringLiteral("<span class=\"input\">%1</span>").arg(piece);
      continue;
    }
    const Kind& kind = kindOf(stretch.source);
    if (stretch.entry < 0) {
      page += QStringLiteral("<span class=\"stretch %1\">%2</span>")
                  .arg(QLatin1String(kind.name), piece);
      continue;
    }
    const PlayEntry& entry = project.entries()[stretch.entry];
    linked.insert(stretch.entry);
    page += QStringLiteral("<a class=\"stretch %1\" href=\"#e%2\" title=\"%3: %4\">%5</a>")
                .arg(QLatin1String(kind.name))
                .arg(stretch.entry)
                .arg(escaped(entry.reference), escaped(entry.msgid), piece);
  }
  page += escaped(text.mid(from));
  page += QStringLiteral(
      "</div>\n<h2>The entries printed</h2>\n<table id=\"entries\">\n"
      "<tr><th>place</th><th>msgid</th><th>play</th></tr>\n");
  QList<int> entries = linked.values();
  std::sort(entries.begin(), entries.end());
  for (int number : entries) {
    const PlayEntry& entry = project.entries()[number];
    page += QStringLiteral("<tr id=\"e%1\"><td>%2</td><td><code>%3</code></td><td>%4</td></tr>\n")
                .arg(number)
                .arg(escaped(entry.reference), escaped(entry.msgid),
                     escaped(classNote(session.classes()[number])));
  }
  page += QStringLiteral("</table>\n<script>") + QLatin1String(kScript) +
          QStringLiteral("</script>\n</body>\n</html>\n");
  QSaveFile file(path);
  const QByteArray bytes = page.toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    error = QStringLiteral("%1: cannot write: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}
