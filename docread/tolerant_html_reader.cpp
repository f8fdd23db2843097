#include "docread/tolerant_html_reader.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <QSet>

namespace {

QString nameOf(const xmlNode* node) {
  return QString::fromUtf8(reinterpret_cast<const char*>(node->name)).toLower();
}

bool isElement(const xmlNode* node) { return node->type == XML_ELEMENT_NODE; }

// Elements that a browser lays out as blocks of their own: their edges
// separate words even where the source has no white space.
bool isBlock(const QString& name) {
  static const QSet<QString> blocks = {
      QStringLiteral("p"),     QStringLiteral("div"),       QStringLiteral("br"),
      QStringLiteral("li"),    QStringLiteral("ul"),        QStringLiteral("ol"),
      QStringLiteral("h1"),    QStringLiteral("h2"),        QStringLiteral("h3"),
      QStringLiteral("h4"),    QStringLiteral("h5"),        QStringLiteral("h6"),
      QStringLiteral("tr"),    QStringLiteral("td"),        QStringLiteral("th"),
      QStringLiteral("table"), QStringLiteral("blockquote")};
  return blocks.contains(name);
}

void gatherText(const xmlNode* node, QString& text) {
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
      text += QString::fromUtf8(reinterpret_cast<const char*>(child->content));
    } else if (isElement(child)) {
      const QString name = nameOf(child);
      if (name == QLatin1String("script") || name == QLatin1String("style")) continue;
      const bool block = isBlock(name);
      if (block) text += QLatin1Char('\n');
      gatherText(child, text);
      if (block) text += QLatin1Char('\n');
    }
  }
}

QString textOf(const xmlNode* node) {
  QString text;
  gatherText(node, text);
  return collapseLayoutWhiteSpace(text);
}

// The names of the elements inside a cell, for the quirk that says new mode
// stops reading at markup there.
QStringList markupInside(const xmlNode* cell) {
  QStringList names;
  for (const xmlNode* child = cell->children; child; child = child->next) {
    if (!isElement(child)) continue;
    const QString tag = QLatin1Char('<') + nameOf(child) + QLatin1Char('>');
    if (!names.contains(tag)) names.append(tag);
  }
  return names;
}

class HtmlWalker {
 public:
  explicit HtmlWalker(TolerantReading& reading) : reading_(reading) {}

  /// Visits `first` and its following siblings, and what they hold.
  void visit(const xmlNode* first) {
    for (const xmlNode* child = first; child; child = child->next) {
      if (!isElement(child)) continue;
      const QString name = nameOf(child);
      if (name == QLatin1String("h1")) {
        reading_.model.append(FileEntry());
        reading_.model.last().name = textOf(child);
        noteMarkup(child,
                   QStringLiteral("the file heading \"%1\"").arg(reading_.model.last().name));
      } else if (name == QLatin1String("h2")) {
        readChunkHeading(child);
      } else if (name == QLatin1String("tr")) {
        readRow(child);
      } else {
        visit(child->children);
      }
    }
  }

 private:
  void readChunkHeading(const xmlNode* heading) {
    if (reading_.model.isEmpty()) {
      note(heading, QStringLiteral("a chunk heading stands before any file heading"));
      return;
    }
    const QString name = textOf(heading);
    reading_.model.last().appendChunk(name);
    noteMarkup(heading, QStringLiteral("the chunk heading \"%1\"").arg(name));
  }

  void noteMarkup(const xmlNode* element, const QString& what) {
    const QStringList names = markupInside(element);
    if (names.isEmpty()) return;
    reading_.markup << qMakePair(
        static_cast<int>(xmlGetLineNo(element)),
        QStringLiteral("%1 holds markup (%2)").arg(what, names.join(", ")));
  }

  void readRow(const xmlNode* row) {
    QStringList quirks;
    QList<const xmlNode*> cells;
    bool strayBefore = false;
    bool strayBetween = false;
    for (const xmlNode* child = row->children; child && cells.size() < 2; child = child->next) {
      if (isElement(child)) {
        cells.append(child);
      } else if (cells.isEmpty()) {
        strayBefore = true;
      } else {
        strayBetween = true;
      }
    }
    if (cells.size() < 2) {
      note(row, QStringLiteral("a table row has fewer than two cells"));
      return;
    }
    LineEntry entry;
    const QString options = textOf(cells[1]);
    if (!parsePosition(options, entry)) {
      note(row, QStringLiteral("a row's position is not of the form quote/line/literal: %1")
                    .arg(options));
      return;
    }
    entry.text = textOf(cells[0]);
    if (!appendRow(reading_.model, entry)) {
      note(row, QStringLiteral("a row stands before any file heading"));
      return;
    }
    if (strayBefore) {
      quirks << QStringLiteral("white space stands between the row's start and its first cell");
    }
    if (strayBetween) quirks << QStringLiteral("white space stands between the row's two cells");
    const QString where = QStringLiteral("row %1/%2 of \"%3\"")
                              .arg(entry.lineIndex)
                              .arg(entry.literalIndex)
                              .arg(reading_.model.last().name);
    const char* const cellNames[] = {"text", "position"};
    for (int i = 0; i < 2; ++i) {
      const QStringList markup = markupInside(cells[i]);
      if (markup.isEmpty()) continue;
      quirks
          << QStringLiteral("the %1 cell holds markup (%2)").arg(cellNames[i], markup.join(", "));
      noteMarkup(cells[i], QStringLiteral("the %1 cell of %2").arg(cellNames[i], where));
    }
    if (!quirks.isEmpty()) {
      reading_.quirks[rowKey(reading_.model.last().name, entry.lineIndex, entry.literalIndex)] +=
          quirks;
    }
  }

  void note(const xmlNode* node, const QString& what) {
    reading_.notes << qMakePair(static_cast<int>(xmlGetLineNo(node)), what);
  }

  TolerantReading& reading_;
};

bool isAsciiSpace(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
         c == QLatin1Char('\r') || c == QLatin1Char('\f') || c == QLatin1Char('\v');
}

}  // namespace

QString collapseLayoutWhiteSpace(const QString& text) {
  QString result;
  result.reserve(text.size());
  int i = 0;
  while (i < text.size()) {
    if (!isAsciiSpace(text[i])) {
      result += text[i++];
      continue;
    }
    const int start = i;
    bool layout = false;
    while (i < text.size() && isAsciiSpace(text[i])) {
      layout = layout || text[i] != QLatin1Char(' ');
      ++i;
    }
    if (!layout) {
      result += text.midRef(start, i - start);
    } else if (start > 0 && i < text.size()) {
      result += QLatin1Char(' ');
    }
  }
  return result;
}

TolerantReading readTolerantHtml(const QByteArray& bytes) {
  TolerantReading reading;
  reading.whiteSpaceCollapsed = true;
  const int options =
      HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;
  htmlDocPtr document = htmlReadMemory(bytes.constData(), bytes.size(), nullptr, "UTF-8", options);
  if (!document) return reading;
  HtmlWalker(reading).visit(document->children);
  xmlFreeDoc(document);
  return reading;
}
