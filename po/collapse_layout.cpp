#include "po/collapse_layout.h"

#include "po/escape_run.h"

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

bool insidePart(int at, const QVector<TextSpan>& parts) {
  for (const TextSpan& part : parts) {
    if (at >= part.begin && at < part.end) return true;
  }
  return false;
}

QString wordAfter(const QString& body, int space) {
  const int end = body.indexOf(QLatin1Char(' '), space + 1);
  return body.mid(space + 1, end < 0 ? -1 : end - space - 1);
}

bool canBreakAt(const QString& body, int at, const QVector<TextSpan>& parts) {
  if (body[at] != QLatin1Char(' ') || at == 0 || at + 1 >= body.size()) return false;
  if (isBlank(body[at - 1]) || isBlank(body[at + 1]) || insidePart(at, parts)) return false;
  if (backslashesBefore(body, at) % 2 == 1) return false;  // "\ " is one escape
  if (body[at - 1] == QLatin1Char('n') && backslashesBefore(body, at - 1) % 2 == 1) return false;
  const QString next = wordAfter(body, at);
  return next != QLatin1String("}") && next != QLatin1String(";") &&
         !next.startsWith(QLatin1Char('#'));
}

}  // namespace

LineFrame measureSourceFrame(const QString& text, int bodyBegin, int bodyEnd) {
  LineFrame frame;
  const int lineStart = text.lastIndexOf(QLatin1Char('\n'), bodyBegin - 1) + 1;
  frame.firstColumn = bodyBegin - lineStart;
  const int firstBreak = text.indexOf(QLatin1Char('\n'), bodyBegin);
  if (firstBreak > 0 && text[firstBreak - 1] == QLatin1Char('\r')) {
    frame.lineBreak = QStringLiteral("\r\n");
  }
  int width = 0;
  for (int start = lineStart; start >= 0 && start <= bodyEnd;) {
    int end = text.indexOf(QLatin1Char('\n'), start);
    const int next = end < 0 ? -1 : end + 1;
    if (end < 0) end = text.size();
    if (end > start && text[end - 1] == QLatin1Char('\r')) --end;
    width = qMax(width, end - start);
    if (start > lineStart && frame.indent.isEmpty()) {
      int blank = start;
      while (blank < end && isBlank(text[blank])) ++blank;
      frame.indent = text.mid(start, blank - start);
    }
    start = next;
  }
  frame.width = qMax(width, frame.indent.size() + 20);
  return frame;
}

QString wrapToSourceLines(const QString& body, const QVector<TextSpan>& parts,
                          const LineFrame& frame) {
  QString result;
  result.reserve(body.size() + body.size() / 8 + 16);
  int column = frame.firstColumn;
  int pieceStart = 0;
  for (int at = 0; at <= body.size(); ++at) {
    if (at < body.size() && !canBreakAt(body, at, parts)) continue;
    const int length = at - pieceStart;
    if (pieceStart == 0) {
      result += body.midRef(0, length);
      column += length;
    } else if (column + 1 + length <= frame.width) {
      result += QLatin1Char(' ');
      result += body.midRef(pieceStart, length);
      column += 1 + length;
    } else {
      result += frame.lineBreak + frame.indent;
      result += body.midRef(pieceStart, length);
      column = frame.indent.size() + length;
    }
    pieceStart = at + 1;
  }
  return result;
}
