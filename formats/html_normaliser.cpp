// The reading side of the HTML format: HtmlFormatter::preprocess.
#include <QRegExp>

#include "formats/html_formatter.h"

namespace {

QRegExp pattern(const char* text, bool minimal) {
  QRegExp regExp(QString::fromLatin1(text), Qt::CaseSensitive, QRegExp::RegExp);
  regExp.setMinimal(minimal);
  return regExp;
}

}  // namespace

QString HtmlFormatter::preprocess(QString document) {
  // The order matters: class attributes go before the bare <p> and <span>
  // tags are looked for, so a tag that carried only a class is removed too.
  static const QRegExp styleBlock = pattern("<style type=\"text/css\">.*</style>", true);
  static const QRegExp classAttribute = pattern("\\s*class=\"\\w+\"", false);
  static const QRegExp anchorWithId = pattern("<a\\s+id=.*</a>", true);
  static const QRegExp metaTag = pattern("<meta.*>", true);
  static const QRegExp plainSpan = pattern("<span>(.*)</span>", true);

  document.replace(styleBlock, QString());
  document.replace(classAttribute, QString());
  document.replace(anchorWithId, QString());
  document.remove(QStringLiteral("<p>"));
  document.remove(QStringLiteral("</p>"));
  document.replace(metaTag, QString());
  document.remove(QStringLiteral("&nbsp;"));
  document.remove(QStringLiteral(" width=10%"));
  document.replace(plainSpan, QStringLiteral("\\1"));
  return document;
}
